// The real Vistrel.exe, started and ended the way a user would: the copy hotkey
// pressed in another program, its settings after Exit, and second starts that hand
// over to the running instance.
#include "clipboard_probe.h"
#include "vistrel_fixture.h"

#include <algorithm>

constexpr const char* settingsKey = "Software\\Quorix Inc.\\Vistrel";

// A started Vistrel, ended when it goes if it is still running.
struct Vistrel : ChildProcess {
    explicit Vistrel(int showCommand = SW_SHOWNORMAL)
        : ChildProcess("VISTREL_EXE", L"", {}, showCommand), shown(showCommand == SW_SHOWNORMAL) {}
    // Its window once it waits for input (and, started normally, shows, at its place),
    // or null. Its start-up may still be waiting on the shell: requests sent now are
    // carried out once it is over.
    HWND ready()
    {
        HWND window = waitForWindow(id(), L"VISTREL", L"", 20s, !shown);
        return window && waitUntilIdle() ? window : nullptr;
    }
    const bool shown;
    // Exit chosen in its menu: its exit code.
    DWORD exit(HWND window) { return PostMessageA(window, WM_COMMAND, IDM_EXIT, 0), waitForExit(); }
};

// Each test starts from no settings at all and removes those its programs saved. It
// refuses a Wine prefix that holds somebody's Vistrel settings: run it in a throwaway
// one (testing/wine-session.sh without --prefix).
class VistrelE2eTest : public testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, settingsKey, 0, KEY_READ, &key), ERROR_SUCCESS)
            << "this Wine prefix holds Vistrel settings";
        ASSERT_TRUE(children(nullptr, L"VISTREL").empty()) << "a Vistrel is already running on this display";
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, settingsKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quorix Inc."); // only if nothing else is in it
    }
};

TEST_F(VistrelE2eTest, AltF11InAnotherProgramCopiesTheViewAndExitSavesEveryValueForTheNextStart)
{
    Vistrel vistrel;
    HWND window = vistrel.ready();
    ASSERT_NE(window, nullptr) << "started normally, it shows";
    // The user moves and sizes the window, picks 4X, Update Always and the hotkeys.
    SetWindowPos(window, nullptr, 210, 160, 300, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    for (UINT command : {IDM_ZOOM_4X, IDM_UPDATE_ALWAYS, IDM_HOTKEYS})
        SendMessageA(window, WM_COMMAND, command, 0);
    // Alt+F11 pressed in this program copies the view: pressed again until it does, as
    // a start-up still under way may take the command later. (Asking whether the key is
    // taken would hold it for a moment, and could make Vistrel's registration fail.)
    // This process stays alive while reading: the clipboard outlives its owner only as
    // long as some Wine program runs.
    RECT client{};
    GetClientRect(window, &client);
    takeClipboardDib();
    ASSERT_TRUE(pollUntil(10s, [] { return pressAltWith(VK_F11), Sleep(200), IsClipboardFormatAvailable(CF_DIB) != 0; }));
    const DibPicture picture = takeClipboardDib();
    EXPECT_TRUE(picture.header.biWidth == client.right &&
                picture.pixels.size() == static_cast<std::size_t>(client.right) * client.bottom);

    // Exit saves every value as REG_BINARY.
    ASSERT_EQ(vistrel.exit(window), 0u);
    for (const auto& [name, values] : {std::pair<const char*, std::vector<std::int32_t>>{"AppBarMode", {0}},
                                       {"HighSampleRate", {0}}, {"UpdateAlways", {1}}, {"AllwaysOnTop", {1}},
                                       {"CursorType", {2}}, {"ZoomLevel", {2}}, {"HotKeys", {1}},
                                       {"WindowPosition", {210, 160, 510, 310}}, {"ZoomFactor", {4}},
                                       {"InvertColors", {0}}, {"FollowFocus", {0}}, {"FollowCaret", {0}}})
        EXPECT_EQ(readBinaryValue(settingsKey, name), littleEndian(values)) << name;

    // The next start finds the window where it was left.
    Vistrel again;
    ASSERT_NE(window = again.ready(), nullptr);
    const RECT r = windowRect(window);
    EXPECT_TRUE(r.left == 210 && r.top == 160 && r.right == 510 && r.bottom == 310);
    EXPECT_EQ(again.exit(window), 0u);
}

TEST_F(VistrelE2eTest, SecondStartsShowTheHiddenFirstAndEnd)
{
    // Started the way a shortcut set to "minimised" does: hidden, in the tray only.
    Vistrel first(SW_SHOWMINNOACTIVE);
    HWND window = first.ready();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(Vistrel().waitForExit(), 0u);
    EXPECT_TRUE(pollUntil(10s, [&] { return IsWindowVisible(window) != 0; }));
    // A start while it is shown changes nothing but the foreground.
    EXPECT_EQ(Vistrel().waitForExit(), 0u);
    EXPECT_TRUE(IsWindowVisible(window) && children(nullptr, L"VISTREL").size() == 1);
    EXPECT_EQ(first.exit(window), 0u);

    // Starts at the same moment leave one instance: two hand over and end (perhaps
    // before the third has made its window).
    Vistrel starts[3];
    EXPECT_TRUE(pollUntil(20s, [&] {
        return std::ranges::count_if(starts, [](Vistrel& start) { return start.waitForExit(0ms) == 0; }) == 2 &&
               !children(nullptr, L"VISTREL").empty();
    }));
    const auto windows = children(nullptr, L"VISTREL");
    ASSERT_EQ(windows.size(), 1u);
    for (Vistrel& start : starts)
        EXPECT_EQ(start.exit(windows[0]), 0u);
}

TEST_F(VistrelE2eTest, FollowingTheTextCursorShowsTheTypingWhileTheMouseRestsFarAwayUntilItMoves)
{
    ASSERT_TRUE(SetCursorPos(900, 700));
    Vistrel vistrel;
    HWND window = vistrel.ready();
    ASSERT_TRUE(window && !SendMessageA(window, WM_COMMAND, IDM_FOLLOW_CARET, 0));
    ChildProcess typing("TYPING_WINDOW_EXE", L"400 300 Typed far from the mouse");
    // Over the black screen, how much of the view shows the white text box.
    auto boxShare = [&] {
        const std::vector<DWORD> view = clientPixels(window);
        return static_cast<double>(std::ranges::count(view, 0xffffffu)) / static_cast<double>(view.size() + 1);
    };
    EXPECT_TRUE(pollUntil(20s, [&] { return boxShare() > 0.5; })) << "the view shows the text cursor";
    ASSERT_TRUE(SetCursorPos(905, 700));
    EXPECT_TRUE(pollUntil(20s, [&] { return boxShare() < 0.1; })) << "the mouse takes the view back";
}
