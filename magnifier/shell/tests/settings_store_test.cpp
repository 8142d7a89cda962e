// The settings in a real registry (this process's HKEY_CURRENT_USER redirected to a
// key of the test's own): a key without the values, values shorter or longer than
// their fields or of another type, and the repair applied on loading. The first run
// (no key) shows in the main window's start-up, the save at the end of a session with
// the zoom commands; what Exit saves, end to end.
#include "vistrel_fixture.h"

TEST_F(VistrelTest, LoadingMissingShortLongAndUnusableValues)
{
    // ZoomLevel, ZoomFactor, CursorType, AllwaysOnTop, InvertColors and WindowPosition
    // after loading.
    auto loaded = [](std::initializer_list<std::pair<const char*, RegistryBytes>> values) {
        for (const auto& [name, bytes] : values)
            writeSettingsValue(name, bytes);
        loadSettings();
        const SettingsRecord& s = program.settings;
        const ScreenRectangle& r = s.WindowPosition;
        return std::array{s.ZoomLevel, factorOf(s.ZoomFactor), static_cast<int>(s.CursorType), s.AllwaysOnTop,
                          s.InvertColors, r.left, r.top, r.right, r.bottom};
    };
    using Fields = std::array<std::int32_t, 9>;
    // The key's default value only: each value takes the default of a missing value.
    EXPECT_EQ(loaded({{nullptr, {0}}}), (Fields{2, 4, 1, 1, 0, 0, 0, 100, 100}));
    // Shorter than the field: only the leading bytes change; longer: the default. A
    // flag stored as the text "1" is on.
    program.settings.WindowPosition = {1, 2, 300, 400};
    writeSettingsValue("ZoomLevel", littleEndian({1}), REG_DWORD);
    writeSettingsValue("InvertColors", {'1', 0}, REG_SZ);
    EXPECT_EQ(loaded({{"WindowPosition", littleEndian({40, 50})}, {"CursorType", {4}}, {"AllwaysOnTop", RegistryBytes(8)},
                      {"ZoomFactor", {3}}}),
              (Fields{1, 3, 4, 1, 1, 40, 50, 300, 400}));
    EXPECT_EQ(loaded({{"WindowPosition", littleEndian({40, 50, 300, 400, 0})}}), (Fields{1, 3, 4, 1, 1, 0, 0, 100, 100}));
    // Out of range, or wholly off every monitor (the screen has changed since).
    EXPECT_EQ(loaded({{"ZoomLevel", littleEndian({40})}, {"CursorType", littleEndian({-3})},
                      {"WindowPosition", littleEndian({5000, 5000, 5100, 5100})}}),
              (Fields{2, 4, 1, 1, 1, 0, 0, 100, 100}));
}
