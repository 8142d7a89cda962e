// The settings' registry layout, the two sets of defaults and the repair of values
// the program cannot use, with an in-memory stand-in for the registry.
#include "settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<int> bytesOf(std::span<std::byte> field)
{
    std::vector<int> bytes;
    for (std::byte b : field)
        bytes.push_back(static_cast<int>(b));
    return bytes;
}

TEST(SettingsLayout, NamesOrdersAndLittleEndianBytes)
{
    SettingsRecord record{};
    record.ZoomLevel = 0x01020304;
    record.WindowPosition = {-1, 2, 300, 0x7fffffff};
    EXPECT_EQ(bytesOf(settingsValueBytes(record, SettingsValue::ZoomLevel)), (std::vector{4, 3, 2, 1}));
    EXPECT_EQ(bytesOf(settingsValueBytes(record, SettingsValue::WindowPosition)),
              (std::vector{0xff, 0xff, 0xff, 0xff, 2, 0, 0, 0, 0x2c, 1, 0, 0, 0xff, 0xff, 0xff, 0x7f}));
    std::string names;
    for (SettingsValue value : settingsSaveOrder)
        names += settingsValueName(value) + std::string(settingsValueBytes(record, value).size() == 16 ? "16 " : " ");
    EXPECT_EQ(names, "AppBarMode AllwaysOnTop HotKeys UpdateAlways HighSampleRate CursorType ZoomLevel WindowPosition16 ");

    // Read in load order; a missing or too long value gets its default, a short one
    // replaces only the leading bytes.
    std::map<std::string, std::vector<std::byte>> key{{"CursorType", {std::byte{4}}},
                                                      {"AllwaysOnTop", std::vector<std::byte>(5)}};
    std::string queried;
    SettingsRecord read{};
    read.CursorType = 0x0300;
    read.HotKeys = 7;
    readSettingsValues(read, [&](const char* name, std::span<std::byte> field) {
        queried += name + std::string(" ");
        auto found = key.find(name);
        if (found == key.end() || found->second.size() > field.size())
            return false;
        std::memcpy(field.data(), found->second.data(), found->second.size());
        return true;
    });
    EXPECT_EQ(queried, "AppBarMode HighSampleRate UpdateAlways AllwaysOnTop HotKeys CursorType ZoomLevel WindowPosition ");
    EXPECT_EQ(read.CursorType, 0x0304);
    EXPECT_TRUE(read.ZoomLevel == 2 && read.AllwaysOnTop == 1 && read.HotKeys == 0 && read.AppBarMode == 0);
    EXPECT_TRUE(read.WindowPosition.left == 0 && read.WindowPosition.right == 100 && read.WindowPosition.bottom == 100);

    // A first run (no key) differs in zoom and indicator, and leaves HotKeys alone.
    SettingsRecord firstRun{};
    firstRun.HotKeys = 7;
    applyFirstRunDefaults(firstRun);
    EXPECT_TRUE(firstRun.ZoomLevel == 1 && firstRun.CursorType == 2 && firstRun.AllwaysOnTop == 1);
    EXPECT_EQ(firstRun.AppBarMode | firstRun.HighSampleRate | firstRun.UpdateAlways, 0);
    EXPECT_EQ(firstRun.HotKeys, 7);
    EXPECT_TRUE(firstRun.WindowPosition.right == 100 && firstRun.WindowPosition.bottom == 100);
}

TEST(SettingsRepair, ValuesTheProgramCannotUseBecomeDefaults)
{
    auto repaired = [](SettingsRecord record, bool onScreen = true) {
        repairLoadedSettings(record, [onScreen](const ScreenRectangle&) { return onScreen; });
        return record;
    };
    const SettingsRecord good{0, 0, 0, 1, 4, 2, {10, 10, 200, 150}, 0};
    const SettingsRecord kept = repaired(good);
    EXPECT_EQ(std::memcmp(&kept, &good, sizeof good), 0);
    for (int zoom : {0, 3, -1})
        EXPECT_EQ(repaired({0, 0, 0, 1, 4, zoom, {10, 10, 200, 150}, 0}).ZoomLevel, 2) << zoom;
    for (int type : {-1, 5})
        EXPECT_EQ(repaired({0, 0, 0, 1, type, 2, {10, 10, 200, 150}, 0}).CursorType, 1) << type;
    // An 8-byte rectangle read at start-up leaves right and bottom 0: inverted.
    for (ScreenRectangle bad : {ScreenRectangle{10, 20, 0, 0}, {10, 10, 10, 200}, {10, 10, 200, 10}, {300, 10, 200, 150}}) {
        const ScreenRectangle fixed = repaired({0, 0, 0, 1, 4, 2, bad, 0}).WindowPosition;
        EXPECT_TRUE(fixed.left == 0 && fixed.top == 0 && fixed.right == 100 && fixed.bottom == 100);
    }
    EXPECT_EQ(repaired(good, false).WindowPosition.right, 100);
}

} // namespace
