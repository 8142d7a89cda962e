// The registry layout of Vistrel's settings (value names, sizes, orders), their two
// sets of defaults and the repair of values the program cannot use. Portable, so
// that they are tested natively.
#pragma once
#include "settings_record.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>

enum class SettingsValue { AppBarMode, HighSampleRate, UpdateAlways, AllwaysOnTop, HotKeys, CursorType, ZoomLevel, WindowPosition };

// Each value holds its field's bytes exactly as kept in memory (little-endian).
const char* settingsValueName(SettingsValue value);
std::span<std::byte> settingsValueBytes(SettingsRecord& record, SettingsValue value);

inline constexpr std::array<SettingsValue, 8> settingsLoadOrder{
    SettingsValue::AppBarMode, SettingsValue::HighSampleRate, SettingsValue::UpdateAlways,
    SettingsValue::AllwaysOnTop, SettingsValue::HotKeys, SettingsValue::CursorType,
    SettingsValue::ZoomLevel, SettingsValue::WindowPosition};
inline constexpr std::array<SettingsValue, 8> settingsSaveOrder{
    SettingsValue::AppBarMode, SettingsValue::AllwaysOnTop, SettingsValue::HotKeys,
    SettingsValue::UpdateAlways, SettingsValue::HighSampleRate, SettingsValue::CursorType,
    SettingsValue::ZoomLevel, SettingsValue::WindowPosition};

inline constexpr ScreenRectangle defaultWindowPosition{0, 0, 100, 100};

// No key at all: the first run. HotKeys is left as it is.
void applyFirstRunDefaults(SettingsRecord& record);
// The key exists but this value is missing, too long or unreadable.
void applyMissingValueDefault(SettingsRecord& record, SettingsValue value);

// Reads one value into the field's bytes the way the registry does: false when it is
// missing or longer than the field; a shorter value replaces only the leading bytes.
using ReadSettingsValue = std::function<bool(const char* name, std::span<std::byte> field)>;
// Reads every value in load order, each missing one replaced by its default.
void readSettingsValues(SettingsRecord& record, const ReadSettingsValue& read);

// Values that an edited registry or a changed screen can leave behind and that the
// program cannot use: a zoom or indicator out of range, a window rectangle that is
// empty, inverted or wholly off every monitor get the defaults of a missing value; a
// rectangle on a monitor is made reachable there (window_placement.h).
// workAreaUnder gives the work area of the monitor a rectangle overlaps most, if any.
using WorkAreaUnder = std::function<std::optional<ScreenRectangle>(const ScreenRectangle&)>;
void repairLoadedSettings(SettingsRecord& record, const WorkAreaUnder& workAreaUnder);
