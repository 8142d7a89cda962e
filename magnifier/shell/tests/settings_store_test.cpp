// The settings in a real registry (this process's HKEY_CURRENT_USER redirected to a
// key of the test's own): no key, an empty key, values of the wrong size or type, and
// values the program cannot use. What Exit saves is checked end to end.
#include "vistrel_fixture.h"


namespace {

TEST_F(VistrelTest, LoadingMissingShortLongAndUnusableValues)
{
    auto loaded = [](auto... values) {
        (writeSettingsValue(values.first, values.second), ...);
        loadSettings();
        const SettingsRecord& s = program.settings;
        const ScreenRectangle& r = s.WindowPosition;
        return std::to_string(s.ZoomLevel) + " " + std::to_string(s.CursorType) + " " +
               std::to_string(s.AllwaysOnTop) + " " + std::to_string(s.HotKeys) + " " +
               std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    };
    using Value = std::pair<const char*, RegistryBytes>;
    program.settings.HotKeys = 1;
    EXPECT_EQ(loaded(), "1 2 1 1 0,0,100,100") << "a first run leaves HotKeys alone";
    ASSERT_TRUE(writeRegistryValue(settingsKeyPath, nullptr, {}));
    EXPECT_EQ(loaded(), "2 1 1 0 0,0,100,100") << "an empty key";
    // Shorter than the field: only the leading bytes change; longer: the default.
    program.settings.WindowPosition = {1, 2, 300, 400};
    writeSettingsValue("ZoomLevel", littleEndian({1}), REG_DWORD);
    EXPECT_EQ(loaded(Value{"WindowPosition", littleEndian({40, 50})}, Value{"CursorType", {4}},
                     Value{"AllwaysOnTop", littleEndian({0, 0})}),
              "1 4 1 0 40,50,300,400");
    EXPECT_EQ(loaded(Value{"WindowPosition", littleEndian({40, 50, 300, 400, 0})}), "1 4 1 0 0,0,100,100");
    // Out of range, or wholly off every monitor (the screen has changed since); partly
    // on the screen is still reachable; too large for it, it is cut to its size.
    EXPECT_EQ(loaded(Value{"ZoomLevel", littleEndian({40})}, Value{"CursorType", littleEndian({-3})},
                     Value{"WindowPosition", littleEndian({5000, 5000, 5100, 5100})}),
              "2 1 1 0 0,0,100,100");
    EXPECT_EQ(loaded(Value{"WindowPosition", littleEndian({-50, -20, 50, 80})}), "2 1 1 0 -50,-20,50,80");
    EXPECT_EQ(loaded(Value{"WindowPosition", littleEndian({INT_MIN, INT_MIN, INT_MAX, INT_MAX})}), "2 1 1 0 0,0,1024,768");
}

} // namespace
