// The settings table, and loading and repair by it.
#include "settings.h"

#include "window_placement.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

template <typename Field>
std::span<std::byte> bytesOf(Field& field)
{
    static_assert(sizeof(Field) == 4 || sizeof(Field) == 16);
    return std::as_writable_bytes(std::span<Field, 1>(&field, 1));
}

// The value is named after its field.
#define VALUE(field) #field, [](SettingsRecord& r) { return bytesOf(r.field); }

constexpr std::int32_t off = 0, on = 1;

const std::array<SettingsValue, 12> table{{
    {VALUE(AppBarMode), off, off, Repair::Flag},
    {VALUE(AllwaysOnTop), on, on, Repair::Flag},
    {VALUE(HotKeys), off, std::nullopt, Repair::Flag},
    {VALUE(UpdateAlways), off, off, Repair::Flag},
    {VALUE(HighSampleRate), off, off, Repair::Flag},
    {VALUE(CursorType), static_cast<std::int32_t>(Indicator::Arrow), static_cast<std::int32_t>(Indicator::Crosshair),
     Repair::Range, static_cast<std::int32_t>(Indicator::None), static_cast<std::int32_t>(Indicator::XoringCrosshair)},
    {VALUE(ZoomLevel), 2, 1, Repair::Range, 1, 2},
    {VALUE(WindowPosition), 0, 0, Repair::Placement},
    // Missing, it is taken from ZoomLevel, read before it.
    {VALUE(ZoomFactor), 0, static_cast<std::int32_t>(Zoom::X2), Repair::ZoomFactor},
    {VALUE(InvertColors), off, off, Repair::Flag},
    {VALUE(FollowFocus), off, off, Repair::Flag},
    {VALUE(FollowCaret), off, off, Repair::Flag},
}};

// The order the values have always been read in, which differs from the table's (the
// order they are saved in); the new ones come last.
constexpr std::array<std::size_t, table.size()> readOrder{0, 4, 3, 1, 2, 5, 6, 7, 8, 9, 10, 11};

#undef VALUE

void setDefault(SettingsRecord& record, const SettingsValue& value, std::int32_t number)
{
    if (value.repair == Repair::Placement)
        record.WindowPosition = defaultWindowPosition;
    else
        std::memcpy(value.field(record).data(), &number, sizeof number);
}

std::int32_t numberIn(SettingsRecord& record, const SettingsValue& value)
{
    std::int32_t number;
    std::memcpy(&number, value.field(record).data(), sizeof number);
    return number;
}

void repairZoomFactor(SettingsRecord& record)
{
    const Zoom read = record.ZoomFactor;
    const bool known = std::ranges::find(zoomFactors, read) != std::end(zoomFactors);
    // A key last saved by an older copy may hold a factor it did not change: the
    // level, which that copy did write, decides then.
    if (known && zoomLevelOf(read) == record.ZoomLevel)
        return;
    setZoom(record, record.ZoomLevel == 1 ? Zoom::X2 : Zoom::X4);
}

void repairPlacement(SettingsRecord& record, const WorkAreaUnder& workAreaUnder)
{
    // A window nobody can see or grab cannot be moved back by its user.
    ScreenRectangle& r = record.WindowPosition;
    const auto workArea = r.right > r.left && r.bottom > r.top ? workAreaUnder(r) : std::nullopt;
    if (workArea)
        r = reachablePlacement(r, *workArea);
    else
        r = defaultWindowPosition;
}

} // namespace

std::span<const SettingsValue> settingsValues()
{
    return table;
}

void applyFirstRunDefaults(SettingsRecord& record)
{
    for (const SettingsValue& value : table)
        if (value.atFirstRun)
            setDefault(record, value, *value.atFirstRun);
}

void readSettingsValues(SettingsRecord& record, const ReadSettingsValue& read)
{
    for (const std::size_t index : readOrder)
        if (const SettingsValue& value = table[index]; !read(value.name, value.field(record)))
            setDefault(record, value, value.whenMissing);
}

void repairLoadedSettings(SettingsRecord& record, const WorkAreaUnder& workAreaUnder)
{
    for (const SettingsValue& value : table) {
        const std::int32_t number = value.repair == Repair::Placement ? 0 : numberIn(record, value);
        switch (value.repair) {
        case Repair::Flag:
            setDefault(record, value, number != 0 ? on : off);
            break;
        case Repair::Range:
            // CursorType picks a menu item and an icon, ZoomLevel is a shift count:
            // values outside their ranges would mark or magnify nothing.
            if (number < value.lowest || number > value.highest)
                setDefault(record, value, value.whenMissing);
            break;
        case Repair::ZoomFactor:
            repairZoomFactor(record);
            break;
        case Repair::Placement:
            repairPlacement(record, workAreaUnder);
            break;
        }
    }
}
