// The settings in a real registry (this process's HKEY_CURRENT_USER redirected to a
// key of the test's own): defaults, a save and reload with the exact bytes, values of
// the wrong size or type, and values the program cannot use.
#include "vistrel_fixture.h"

#include "hotkeys.h"
#include "settings.h"
#include "settings_store.h"

#include <cstring>

namespace {

using SettingsStoreTest = VistrelTest;

TEST_F(SettingsStoreTest, FirstRunAndEmptyKeyDefaults)
{
    Settings.HotKeys = 1;  // a first run leaves it alone
    loadSettings();
    EXPECT_EQ(Settings.ZoomLevel, 1);
    EXPECT_EQ(Settings.CursorType, 2);
    EXPECT_EQ(Settings.AllwaysOnTop, 1);
    EXPECT_EQ(Settings.HotKeys, 1);
    EXPECT_EQ(Settings.AppBarMode | Settings.HighSampleRate | Settings.UpdateAlways, 0);
    EXPECT_EQ(Settings.WindowPosition.left, 0);
    EXPECT_EQ(Settings.WindowPosition.bottom, 100);

    createEmptySettingsKey();
    loadSettings();
    EXPECT_EQ(Settings.ZoomLevel, 2);
    EXPECT_EQ(Settings.CursorType, 1);
    EXPECT_EQ(Settings.AllwaysOnTop, 1);
    EXPECT_EQ(Settings.HotKeys, 0);
    EXPECT_EQ(Settings.WindowPosition.right, 100);
}

TEST_F(SettingsStoreTest, SaveWritesEightBinaryValuesThatReloadUnchanged)
{
    ASSERT_TRUE(start(SW_HIDE));
    MoveWindow(window_, 30, 40, 200, 150, FALSE);
    Settings.HighSampleRate = 1;
    Settings.UpdateAlways = 1;
    Settings.AllwaysOnTop = 0;
    Settings.CursorType = 3;
    Settings.ZoomLevel = 2;
    enableHotKeys(window_);
    // The window's end saves first and unregisters the hotkeys after.
    destroy();

    const std::pair<const char*, std::vector<std::uint8_t>> expected[] = {
        {"AppBarMode", littleEndian({0})},   {"HighSampleRate", littleEndian({1})},
        {"UpdateAlways", littleEndian({1})}, {"AllwaysOnTop", littleEndian({0})},
        {"CursorType", littleEndian({3})},   {"ZoomLevel", littleEndian({2})},
        {"HotKeys", littleEndian({1})},      {"WindowPosition", littleEndian({30, 40, 230, 190})},
    };
    for (const auto& [name, bytes] : expected) {
        DWORD type = 0;
        EXPECT_EQ(readSettingsValue(name, &type), bytes) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << name;
    }
    EXPECT_EQ(Settings.HotKeys, 0);

    SettingsRecord saved = Settings;
    saved.HotKeys = 1;
    Settings = {};
    loadSettings();
    EXPECT_EQ(std::memcmp(&Settings, &saved, sizeof saved), 0);
}

TEST_F(SettingsStoreTest, ShortLongAndDwordValues)
{
    // Shorter than the field: only the leading bytes change.
    Settings.WindowPosition = {1, 2, 300, 400};
    writeSettingsValue("WindowPosition", REG_BINARY, littleEndian({40, 50}));
    writeSettingsValue("ZoomLevel", REG_DWORD, littleEndian({1}));  // 2 would be the default
    writeSettingsValue("CursorType", REG_BINARY, {4});
    writeSettingsValue("AllwaysOnTop", REG_BINARY, littleEndian({0, 0}));  // too long
    loadSettings();
    EXPECT_EQ(Settings.WindowPosition.left, 40);
    EXPECT_EQ(Settings.WindowPosition.top, 50);
    EXPECT_EQ(Settings.WindowPosition.right, 300);
    EXPECT_EQ(Settings.WindowPosition.bottom, 400);
    EXPECT_EQ(Settings.ZoomLevel, 1);
    EXPECT_EQ(Settings.CursorType, 4);
    EXPECT_EQ(Settings.AllwaysOnTop, 1);

    // Longer than the rectangle: the default one.
    writeSettingsValue("WindowPosition", REG_BINARY, littleEndian({40, 50, 300, 400, 0}));
    loadSettings();
    EXPECT_EQ(Settings.WindowPosition.left, 0);
    EXPECT_EQ(Settings.WindowPosition.right, 100);
}

TEST_F(SettingsStoreTest, ValuesTheProgramCannotUseAreReplaced)
{
    writeSettingsValue("ZoomLevel", REG_BINARY, littleEndian({40}));
    writeSettingsValue("CursorType", REG_BINARY, littleEndian({-3}));
    // An eight-byte rectangle read at start-up: right and bottom stay 0.
    writeSettingsValue("WindowPosition", REG_BINARY, littleEndian({40, 50}));
    loadSettings();
    EXPECT_EQ(Settings.ZoomLevel, 2);
    EXPECT_EQ(Settings.CursorType, 1);
    EXPECT_EQ(Settings.WindowPosition.right, 100);

    // Wholly off every monitor: the screen has changed since the last run.
    writeSettingsValue("WindowPosition", REG_BINARY, littleEndian({5000, 5000, 5100, 5100}));
    loadSettings();
    EXPECT_EQ(Settings.WindowPosition.left, 0);
    EXPECT_EQ(Settings.WindowPosition.bottom, 100);
    // Partly on the screen is still reachable.
    writeSettingsValue("WindowPosition", REG_BINARY, littleEndian({-50, -20, 50, 80}));
    loadSettings();
    EXPECT_EQ(Settings.WindowPosition.left, -50);
    EXPECT_EQ(Settings.WindowPosition.right, 50);
}

} // namespace
