// The settings' value names and byte layout, and their two sets of defaults.
#include "settings.h"

#include "window_placement.h"

const char* settingsValueName(SettingsValue value)
{
    switch (value) {
    case SettingsValue::AppBarMode:     return "AppBarMode";
    case SettingsValue::HighSampleRate: return "HighSampleRate";
    case SettingsValue::UpdateAlways:   return "UpdateAlways";
    case SettingsValue::AllwaysOnTop:   return "AllwaysOnTop";
    case SettingsValue::HotKeys:        return "HotKeys";
    case SettingsValue::CursorType:     return "CursorType";
    case SettingsValue::ZoomLevel:      return "ZoomLevel";
    case SettingsValue::WindowPosition: return "WindowPosition";
    }
    return "";
}

namespace {

template <typename Field>
std::span<std::byte> bytesOf(Field& field)
{
    return std::as_writable_bytes(std::span<Field, 1>(&field, 1));
}

} // namespace

std::span<std::byte> settingsValueBytes(SettingsRecord& record, SettingsValue value)
{
    static_assert(sizeof(ScreenRectangle) == 16 && sizeof(std::int32_t) == 4);
    switch (value) {
    case SettingsValue::AppBarMode:     return bytesOf(record.AppBarMode);
    case SettingsValue::HighSampleRate: return bytesOf(record.HighSampleRate);
    case SettingsValue::UpdateAlways:   return bytesOf(record.UpdateAlways);
    case SettingsValue::AllwaysOnTop:   return bytesOf(record.AllwaysOnTop);
    case SettingsValue::HotKeys:        return bytesOf(record.HotKeys);
    case SettingsValue::CursorType:     return bytesOf(record.CursorType);
    case SettingsValue::ZoomLevel:      return bytesOf(record.ZoomLevel);
    case SettingsValue::WindowPosition: return bytesOf(record.WindowPosition);
    }
    return {};
}

void applyFirstRunDefaults(SettingsRecord& record)
{
    record.AppBarMode = 0;
    record.HighSampleRate = 0;
    record.UpdateAlways = 0;
    record.AllwaysOnTop = 1;
    record.CursorType = 2;
    record.ZoomLevel = 1;
    record.WindowPosition = defaultWindowPosition;
}

void applyMissingValueDefault(SettingsRecord& record, SettingsValue value)
{
    switch (value) {
    case SettingsValue::AppBarMode:     record.AppBarMode = 0; break;
    case SettingsValue::HighSampleRate: record.HighSampleRate = 0; break;
    case SettingsValue::UpdateAlways:   record.UpdateAlways = 0; break;
    case SettingsValue::AllwaysOnTop:   record.AllwaysOnTop = 1; break;
    case SettingsValue::HotKeys:        record.HotKeys = 0; break;
    case SettingsValue::CursorType:     record.CursorType = 1; break;
    case SettingsValue::ZoomLevel:      record.ZoomLevel = 2; break;
    case SettingsValue::WindowPosition: record.WindowPosition = defaultWindowPosition; break;
    }
}

void readSettingsValues(SettingsRecord& record, const ReadSettingsValue& read)
{
    for (SettingsValue value : settingsLoadOrder)
        if (!read(settingsValueName(value), settingsValueBytes(record, value)))
            applyMissingValueDefault(record, value);
}

void repairLoadedSettings(SettingsRecord& record, const WorkAreaUnder& workAreaUnder)
{
    // ZoomLevel is a shift count and CursorType picks a menu item and an icon: values
    // outside their ranges would magnify nothing or mark nothing.
    if (record.CursorType < 0 || record.CursorType > 4)
        applyMissingValueDefault(record, SettingsValue::CursorType);
    if (record.ZoomLevel < 1 || record.ZoomLevel > 2)
        applyMissingValueDefault(record, SettingsValue::ZoomLevel);
    // A window nobody can see or grab cannot be moved back by its user.
    ScreenRectangle& r = record.WindowPosition;
    const auto workArea = r.right > r.left && r.bottom > r.top ? workAreaUnder(r) : std::nullopt;
    if (workArea)
        r = reachablePlacement(r, *workArea);
    else
        applyMissingValueDefault(record, SettingsValue::WindowPosition);
}
