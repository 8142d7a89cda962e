// The settings' registry layout, the two sets of defaults and the repair of values
// the program cannot use, with an in-memory stand-in for the registry.
#include "settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::byte>;

Bytes bytes(std::initializer_list<int> values)
{
    Bytes result;
    for (int v : values)
        result.push_back(static_cast<std::byte>(v));
    return result;
}

// Answers like a registry query of a field-sized buffer: a missing or longer value
// fails, a shorter one fills only the leading bytes. (The Wine tests read a real
// registry.)
struct FakeKey {
    std::map<std::string, Bytes> values;
    std::vector<std::string> queried;

    ReadSettingsValue reader()
    {
        return [this](const char* name, std::span<std::byte> field) {
            queried.push_back(name);
            auto found = values.find(name);
            if (found == values.end() || found->second.size() > field.size())
                return false;
            std::copy(found->second.begin(), found->second.end(), field.begin());
            return true;
        };
    }
};

TEST(SettingsLayout, ValuesHoldTheFieldsLittleEndianBytes)
{
    SettingsRecord record{};
    record.ZoomLevel = 0x01020304;
    record.WindowPosition = {-1, 2, 300, 0x7fffffff};
    EXPECT_EQ(Bytes(settingsValueBytes(record, SettingsValue::ZoomLevel).begin(),
                    settingsValueBytes(record, SettingsValue::ZoomLevel).end()),
              bytes({4, 3, 2, 1}));
    auto position = settingsValueBytes(record, SettingsValue::WindowPosition);
    EXPECT_EQ(Bytes(position.begin(), position.end()),
              bytes({0xff, 0xff, 0xff, 0xff, 2, 0, 0, 0, 0x2c, 1, 0, 0, 0xff, 0xff, 0xff, 0x7f}));

    // Every value has its own field, four bytes each but the rectangle.
    std::vector<std::string> names;
    for (SettingsValue value : settingsSaveOrder) {
        names.push_back(settingsValueName(value));
        EXPECT_EQ(settingsValueBytes(record, value).size(), value == SettingsValue::WindowPosition ? 16u : 4u);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"AppBarMode", "AllwaysOnTop", "HotKeys", "UpdateAlways",
                                               "HighSampleRate", "CursorType", "ZoomLevel", "WindowPosition"}));
}

TEST(SettingsDefaults, FirstRunAndEmptyKeyDifferInZoomAndIndicator)
{
    SettingsRecord firstRun{};
    firstRun.HotKeys = 7;  // not touched on a first run
    applyFirstRunDefaults(firstRun);
    EXPECT_EQ(firstRun.ZoomLevel, 1);
    EXPECT_EQ(firstRun.CursorType, 2);
    EXPECT_EQ(firstRun.AllwaysOnTop, 1);
    EXPECT_EQ(firstRun.AppBarMode | firstRun.HighSampleRate | firstRun.UpdateAlways, 0);
    EXPECT_EQ(firstRun.HotKeys, 7);
    EXPECT_EQ(firstRun.WindowPosition.right, 100);
    EXPECT_EQ(firstRun.WindowPosition.bottom, 100);

    SettingsRecord emptyKey{};
    emptyKey.HotKeys = 7;
    FakeKey key;
    readSettingsValues(emptyKey, key.reader());
    EXPECT_EQ(key.queried, (std::vector<std::string>{"AppBarMode", "HighSampleRate", "UpdateAlways", "AllwaysOnTop",
                                                     "HotKeys", "CursorType", "ZoomLevel", "WindowPosition"}));
    EXPECT_EQ(emptyKey.ZoomLevel, 2);
    EXPECT_EQ(emptyKey.CursorType, 1);
    EXPECT_EQ(emptyKey.AllwaysOnTop, 1);
    EXPECT_EQ(emptyKey.HotKeys, 0);
    EXPECT_EQ(emptyKey.WindowPosition.left, 0);
    EXPECT_EQ(emptyKey.WindowPosition.right, 100);
}

TEST(SettingsRepair, ValuesTheProgramCannotUseBecomeDefaults)
{
    auto repaired = [](SettingsRecord record, bool onScreen = true) {
        repairLoadedSettings(record, [onScreen](const ScreenRectangle&) { return onScreen; });
        return record;
    };
    SettingsRecord good{0, 0, 0, 1, 4, 2, {10, 10, 200, 150}, 0};
    SettingsRecord kept = repaired(good);
    EXPECT_EQ(std::memcmp(&kept, &good, sizeof good), 0);

    for (int zoom : {0, 3, -1, 32}) {
        SettingsRecord r = good;
        r.ZoomLevel = zoom;
        EXPECT_EQ(repaired(r).ZoomLevel, 2) << zoom;
    }
    for (int type : {-1, 5, 104}) {
        SettingsRecord r = good;
        r.CursorType = type;
        EXPECT_EQ(repaired(r).CursorType, 1) << type;
    }
    // An 8-byte rectangle read at start-up leaves right and bottom 0: inverted.
    for (ScreenRectangle bad : {ScreenRectangle{10, 20, 0, 0}, ScreenRectangle{10, 10, 10, 200},
                                ScreenRectangle{10, 10, 200, 10}, ScreenRectangle{300, 10, 200, 150}}) {
        SettingsRecord r = good;
        r.WindowPosition = bad;
        const ScreenRectangle fixed = repaired(r).WindowPosition;
        EXPECT_EQ(fixed.left, 0);
        EXPECT_EQ(fixed.top, 0);
        EXPECT_EQ(fixed.right, 100);
        EXPECT_EQ(fixed.bottom, 100);
    }
    EXPECT_EQ(repaired(good, false).WindowPosition.right, 100);
}

} // namespace
