// Monitor look-ups, asked afresh each time: monitors come and go while Vistrel runs.
#include "monitors.h"

namespace {

MONITORINFO monitorInfo(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return info;
}

} // namespace

std::optional<ScreenRectangle> workAreaUnder(const ScreenRectangle& r)
{
    const RECT rect = toRect(r);
    HMONITOR monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONULL);
    if (!monitor)
        return std::nullopt;
    return toScreenRectangle(monitorInfo(monitor).rcWork);
}
