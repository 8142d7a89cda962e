// The real Vistrel.exe, started and ended the way a user would: its settings after
// Exit, a second start that hands over to the running instance, the copy hotkey
// pressed in another program, and a toolbar that docks again at the next start.
#include "dib_pixels.h"
#include "settings_values.h"
#include "window_probe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <thread>

namespace {

constexpr const char* makerKey = "Software\\Quorix Inc.";
constexpr UINT IDM_EXIT = 40001, IDM_ZOOM_4X = 40004, IDM_TOOLBAR_MODE = 40006, IDM_UPDATE_ALWAYS = 40014,
               IDM_HOTKEYS = 40016;

std::filesystem::path vistrelExe()
{
    const char* path = std::getenv("VISTREL_EXE");
    return path ? windowsPath(path) : std::filesystem::path();
}

// Every VISTREL window, shown or hidden, with the process that owns it.
std::vector<std::pair<HWND, DWORD>> vistrelWindows()
{
    std::vector<std::pair<HWND, DWORD>> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "VISTREL", nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        found.emplace_back(window, owner);
    }
    return found;
}

HWND waitForVistrelWindow(DWORD processId, std::chrono::milliseconds timeout = 20s)
{
    return pollUntil(timeout, [&]() -> HWND {
        for (auto [window, owner] : vistrelWindows())
            if (owner == processId)
                return window;
        return nullptr;
    });
}

template <typename Condition>
bool becomesTrue(Condition condition, std::chrono::milliseconds timeout = 10s)
{
    return pollUntil(timeout, [&] { return static_cast<bool>(condition()); });
}

bool keyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Each test starts from no settings at all and removes those its programs saved. It
// refuses a Wine prefix that holds somebody's Vistrel settings: run it in a throwaway
// one (scripts/wine-session.sh without --prefix).
class VistrelE2eTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(vistrelExe().empty()) << "VISTREL_EXE is not set";
        ASSERT_FALSE(keyExists(settingsKeyPath)) << "this Wine prefix holds Vistrel settings";
        ASSERT_TRUE(vistrelWindows().empty()) << "a Vistrel is already running on this display";
        makerKeyExisted_ = keyExists(makerKey);
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, settingsKeyPath);
        if (!makerKeyExisted_)
            RegDeleteKeyA(HKEY_CURRENT_USER, makerKey);
    }

    ChildProcess startVistrel(int showCommand)
    {
        return ChildProcess(vistrelExe(), L"", vistrelExe().parent_path(), showCommand);
    }

    // The window of a started Vistrel once its start-up is over, or null. Commands
    // sent while the window is still being prepared would race the start-up.
    HWND readyWindow(ChildProcess& vistrel)
    {
        HWND window = waitForVistrelWindow(vistrel.id());
        return window && vistrel.waitUntilIdle() ? window : nullptr;
    }

    bool makerKeyExisted_ = false;
};

TEST_F(VistrelE2eTest, ExitSavesTheEightValuesOfTheSessionJustEnded)
{
    ChildProcess vistrel = startVistrel(SW_SHOWNORMAL);
    HWND window = waitForVistrelWindow(vistrel.id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(becomesTrue([&] { return IsWindowVisible(window) != 0; }));
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 100);

    // The user moves and sizes the window, picks 4X and Update Always, then Exit.
    SetWindowPos(window, nullptr, 210, 160, 300, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageA(window, WM_COMMAND, IDM_ZOOM_4X, 0);
    PostMessageA(window, WM_COMMAND, IDM_UPDATE_ALWAYS, 0);
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    ASSERT_EQ(vistrel.waitForExit(), 0u);

    const std::pair<const char*, std::vector<std::uint8_t>> expected[] = {
        {"AppBarMode", littleEndian({0})},   {"HighSampleRate", littleEndian({0})},
        {"UpdateAlways", littleEndian({1})}, {"AllwaysOnTop", littleEndian({1})},
        {"CursorType", littleEndian({2})},   {"ZoomLevel", littleEndian({2})},
        {"HotKeys", littleEndian({0})},      {"WindowPosition", littleEndian({210, 160, 510, 310})},
    };
    for (const auto& [name, bytes] : expected) {
        DWORD type = 0;
        EXPECT_EQ(readSettingsValue(name, &type), bytes) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << name;
    }

    // The next start finds the window where it was left.
    ChildProcess again = startVistrel(SW_SHOWNORMAL);
    window = waitForVistrelWindow(again.id());
    ASSERT_NE(window, nullptr);
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 210);
    EXPECT_EQ(r.bottom, 310);

    // A start while that one is still ending (its window gone, its process not yet)
    // runs once it has ended.
    SendMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    ChildProcess third = startVistrel(SW_SHOWNORMAL);
    EXPECT_EQ(again.waitForExit(), 0u);
    EXPECT_NE(waitForVistrelWindow(third.id()), nullptr);
    EXPECT_EQ(third.waitForExit(500ms), static_cast<DWORD>(STILL_ACTIVE));
    for (auto [running, owner] : vistrelWindows())
        PostMessageA(running, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(third.waitForExit(), 0u);
}

TEST_F(VistrelE2eTest, ASecondStartShowsTheHiddenFirstAndEnds)
{
    // Started the way a shortcut set to "minimised" does: hidden, in the tray only.
    ChildProcess first = startVistrel(SW_SHOWMINNOACTIVE);
    HWND window = waitForVistrelWindow(first.id());
    ASSERT_NE(window, nullptr);
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(IsWindowVisible(window));

    ChildProcess second = startVistrel(SW_SHOWNORMAL);
    EXPECT_EQ(second.waitForExit(), 0u);
    EXPECT_TRUE(becomesTrue([&] { return IsWindowVisible(window) != 0; }));
    EXPECT_EQ(vistrelWindows().size(), 1u);

    // A second start while it is shown changes nothing but the foreground.
    ChildProcess third = startVistrel(SW_SHOWNORMAL);
    EXPECT_EQ(third.waitForExit(), 0u);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(vistrelWindows().size(), 1u);

    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(first.waitForExit(), 0u);
}

TEST_F(VistrelE2eTest, StartsAtTheSameMomentLeaveOneInstance)
{
    std::vector<std::unique_ptr<ChildProcess>> starts;
    for (int i = 0; i < 3; ++i)
        starts.push_back(std::make_unique<ChildProcess>(vistrelExe(), L"", vistrelExe().parent_path(), SW_SHOWNORMAL));

    // One window appears; every other start hands over to it and ends with code 0.
    ASSERT_TRUE(becomesTrue([] { return !vistrelWindows().empty(); }, 20s));
    const auto windows = vistrelWindows();
    ASSERT_EQ(windows.size(), 1u);
    const auto [window, owner] = windows[0];
    ChildProcess* running = nullptr;
    for (auto& start : starts) {
        if (start->id() == owner)
            running = start.get();
        else
            EXPECT_EQ(start->waitForExit(), 0u);
    }
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(vistrelWindows().size(), 1u);
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(running->waitForExit(), 0u);
}

TEST_F(VistrelE2eTest, AltF11InAnotherProgramCopiesTheViewWhileTheHotkeysAreOn)
{
    ChildProcess vistrel = startVistrel(SW_SHOWNORMAL);
    HWND window = readyWindow(vistrel);
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, nullptr, 300, 200, 173, 91, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window, WM_COMMAND, IDM_HOTKEYS, 0);
    RECT client{};
    GetClientRect(window, &client);

    emptyClipboard();
    pressAltWith(VK_F11);
    // This process stays alive while reading: the clipboard outlives its owner only
    // as long as some Wine program runs.
    ASSERT_TRUE(becomesTrue([] { return IsClipboardFormatAvailable(CF_DIB) != 0; }));
    const DibPicture picture = clipboardDib();
    EXPECT_EQ(picture.header.biWidth, client.right);
    EXPECT_EQ(picture.header.biHeight, client.bottom);
    EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(client.right) * client.bottom);

    // Switched off, the keys no longer reach Vistrel.
    SendMessageA(window, WM_COMMAND, IDM_HOTKEYS, 0);
    emptyClipboard();
    pressAltWith(VK_F11);
    std::this_thread::sleep_for(700ms);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));

    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(vistrel.waitForExit(), 0u);
}

TEST_F(VistrelE2eTest, ExitInToolbarModeDocksAgainAtTheNextStart)
{
    const LONG screenWidth = GetSystemMetrics(SM_CXSCREEN), barHeight = GetSystemMetrics(SM_CYSCREEN) / 8;
    auto isDocked = [&](HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return r.left == 0 && r.top == 0 && r.right == screenWidth && r.bottom == barHeight;
    };
    ChildProcess vistrel = startVistrel(SW_SHOWNORMAL);
    HWND window = readyWindow(vistrel);
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, nullptr, 210, 160, 300, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window, WM_COMMAND, IDM_TOOLBAR_MODE, 0);
    EXPECT_TRUE(isDocked(window));
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    ASSERT_EQ(vistrel.waitForExit(), 0u);
    EXPECT_EQ(readSettingsValue("AppBarMode"), littleEndian({1}));
    EXPECT_EQ(readSettingsValue("WindowPosition"), littleEndian({210, 160, 510, 310}));

    ChildProcess again = startVistrel(SW_SHOWNORMAL);
    window = waitForVistrelWindow(again.id());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(becomesTrue([&] { return isDocked(window); }));
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(again.waitForExit(), 0u);
    EXPECT_EQ(readSettingsValue("AppBarMode"), littleEndian({1}));
}

} // namespace
