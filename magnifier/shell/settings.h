// The registry layout of Vistrel's settings as one table (value name, field, defaults,
// range and repair of each value), and the loading and repair that follow it.
// Portable, so that they are tested natively.
#pragma once
#include "settings_record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// What loading does with a value the program cannot use.
enum class Repair {
    Flag,       // any non-zero value is on and kept as 1
    Range,      // outside lowest..highest: the default of a missing value
    ZoomFactor, // counts only as one of the factors that agrees with ZoomLevel; else ZoomLevel decides
    Placement,  // a rectangle nobody can see or grab: the default; one on a monitor is made reachable
};

// One registry value: a REG_BINARY holding its field's bytes exactly as kept in memory
// (little-endian). Defaults are 32-bit values; Placement's are defaultWindowPosition.
struct SettingsValue {
    const char* name;
    std::span<std::byte> (*field)(SettingsRecord&);
    std::int32_t whenMissing;               // the key exists but the value does not
    std::optional<std::int32_t> atFirstRun; // no key at all; none: left as it is
    Repair repair;
    std::int32_t lowest = 0, highest = 0;   // Range only
};

// Every value, in the order they are saved (readSettingsValues keeps an older order).
std::span<const SettingsValue> settingsValues();

inline constexpr ScreenRectangle defaultWindowPosition{0, 0, 100, 100};

// No key at all: the first run.
void applyFirstRunDefaults(SettingsRecord& record);

// Reads one value into the field's bytes the way the registry does: false when it is
// missing or longer than the field; a shorter value replaces only the leading bytes.
using ReadSettingsValue = std::function<bool(const char* name, std::span<std::byte> field)>;
// Reads every value, each missing one replaced by its default.
void readSettingsValues(SettingsRecord& record, const ReadSettingsValue& read);

// Values that an edited registry, an older copy or a changed screen can leave behind
// and that the program cannot use are repaired as the table says. workAreaUnder gives
// the work area of the monitor a rectangle overlaps most, if any.
using WorkAreaUnder = std::function<std::optional<ScreenRectangle>(const ScreenRectangle&)>;
void repairLoadedSettings(SettingsRecord& record, const WorkAreaUnder& workAreaUnder);
