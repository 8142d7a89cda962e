// The real Vistrel.exe, started and ended the way a user would: its settings after
// Exit, second starts that hand over to the running instance, and the copy hotkey
// pressed in another program.
#include "clipboard_probe.h"
#include "identifiers.h"
#include "registry_probe.h"
#include "window_probe.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr const char* settingsKey = "Software\\Quorix Inc.\\Vistrel";

std::unique_ptr<ChildProcess> startVistrel(int showCommand = SW_SHOWNORMAL)
{
    return std::make_unique<ChildProcess>("VISTREL_EXE", L"", std::filesystem::path(), showCommand);
}

// The window of a started Vistrel once it waits for input, or null. (Its start-up may
// still be waiting on the shell: requests sent now are carried out once it is over.)
HWND readyWindow(ChildProcess& vistrel)
{
    HWND window = waitForWindow(vistrel.id(), L"VISTREL", L"", 20s, true);
    return window && vistrel.waitUntilIdle() ? window : nullptr;
}

std::string rectangle(HWND window)
{
    const RECT r = windowRect(window);
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

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

TEST_F(VistrelE2eTest, ExitSavesTheEightValuesAndTheNextStartUsesThem)
{
    auto vistrel = startVistrel();
    HWND window = readyWindow(*vistrel);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    // The user moves and sizes the window, picks 4X and Update Always, then Exit.
    SetWindowPos(window, nullptr, 210, 160, 300, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    for (UINT command : {IDM_ZOOM_4X, IDM_UPDATE_ALWAYS, IDM_EXIT})
        PostMessageA(window, WM_COMMAND, command, 0);
    ASSERT_EQ(vistrel->waitForExit(), 0u);
    for (auto [name, value] : {std::pair{"AppBarMode", 0}, {"HighSampleRate", 0}, {"UpdateAlways", 1},
                               {"AllwaysOnTop", 1}, {"CursorType", 2}, {"ZoomLevel", 2}, {"HotKeys", 0}}) {
        DWORD type = 0;
        EXPECT_EQ(readRegistryValue(settingsKey, name, &type), littleEndian({value})) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << name;
    }
    EXPECT_EQ(readRegistryValue(settingsKey, "WindowPosition"), littleEndian({210, 160, 510, 310}));

    // The next start finds the window where it was left; a start while that one is
    // still ending (its window gone, its process not yet) runs once it has ended.
    auto again = startVistrel();
    ASSERT_NE(window = readyWindow(*again), nullptr);
    EXPECT_EQ(rectangle(window), "210,160,510,310");
    SendMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    auto third = startVistrel();
    EXPECT_EQ(again->waitForExit(), 0u);
    ASSERT_NE(window = readyWindow(*third), nullptr);
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(third->waitForExit(), 0u);
}

TEST_F(VistrelE2eTest, SecondStartsShowTheHiddenFirstAndEnd)
{
    // Started the way a shortcut set to "minimised" does: hidden, in the tray only.
    auto first = startVistrel(SW_SHOWMINNOACTIVE);
    HWND window = readyWindow(*first);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(startVistrel()->waitForExit(), 0u);
    EXPECT_TRUE(pollUntil(10s, [&] { return IsWindowVisible(window) != 0; }));
    // A start while it is shown changes nothing but the foreground.
    EXPECT_EQ(startVistrel()->waitForExit(), 0u);
    EXPECT_TRUE(IsWindowVisible(window) && children(nullptr, L"VISTREL").size() == 1);
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(first->waitForExit(), 0u);

    // Starts at the same moment leave one instance; the others hand over and end.
    std::unique_ptr<ChildProcess> starts[] = {startVistrel(), startVistrel(), startVistrel()};
    ASSERT_TRUE(pollUntil(20s, [] { return !children(nullptr, L"VISTREL").empty(); }));
    const auto windows = children(nullptr, L"VISTREL");
    ASSERT_EQ(windows.size(), 1u);
    DWORD owner = 0;
    GetWindowThreadProcessId(windows[0], &owner);
    for (auto& start : starts)
        EXPECT_TRUE(start->id() == owner || start->waitForExit() == 0u);
    EXPECT_EQ(children(nullptr, L"VISTREL").size(), 1u);
    PostMessageA(windows[0], WM_COMMAND, IDM_EXIT, 0);
    for (auto& start : starts)
        EXPECT_EQ(start->waitForExit(), 0u);
}

TEST_F(VistrelE2eTest, AltF11InAnotherProgramCopiesTheView)
{
    auto vistrel = startVistrel();
    HWND window = readyWindow(*vistrel);
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, nullptr, 300, 200, 173, 91, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window, WM_COMMAND, IDM_HOTKEYS, 0);
    ASSERT_TRUE(pollUntil(10s, [] { return !RegisterHotKey(nullptr, 1, MOD_ALT, VK_F11) || !UnregisterHotKey(nullptr, 1); }));
    RECT client{};
    GetClientRect(window, &client);
    takeClipboardDib();
    pressAltWith(VK_F11);
    // This process stays alive while reading: the clipboard outlives its owner only
    // as long as some Wine program runs.
    ASSERT_TRUE(pollUntil(10s, [] { return IsClipboardFormatAvailable(CF_DIB) != 0; }));
    const DibPicture picture = takeClipboardDib();
    EXPECT_TRUE(picture.header.biWidth == client.right && picture.header.biHeight == client.bottom);
    EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(client.right) * client.bottom);
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(vistrel->waitForExit(), 0u);
}

} // namespace
