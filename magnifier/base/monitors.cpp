// Monitor look-ups, asked afresh each time: monitors come and go while Vistrel runs.
#include "monitors.h"

#include "handles.h"

MonitorCalls monitorCalls = systemMonitorCalls;

namespace {

MONITORINFO monitorInfo(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    monitorCalls.info(monitor, &info);
    return info;
}

} // namespace

ScreenRectangle monitorAt(POINT point)
{
    return toScreenRectangle(monitorInfo(monitorCalls.fromPoint(point, MONITOR_DEFAULTTONEAREST)).rcMonitor);
}

ScreenRectangle monitorOf(HWND window)
{
    return toScreenRectangle(monitorInfo(monitorCalls.fromWindow(window, MONITOR_DEFAULTTONEAREST)).rcMonitor);
}

std::optional<ScreenRectangle> workAreaUnder(const ScreenRectangle& r)
{
    const RECT rect = toRect(r);
    HMONITOR monitor = monitorCalls.fromRect(&rect, MONITOR_DEFAULTTONULL);
    if (!monitor)
        return std::nullopt;
    return toScreenRectangle(monitorInfo(monitor).rcWork);
}

ScreenRectangle workAreaNearest(const ScreenRectangle& r)
{
    const RECT rect = toRect(r);
    return toScreenRectangle(monitorInfo(monitorCalls.fromRect(&rect, MONITOR_DEFAULTTONEAREST)).rcWork);
}

UINT windowDpi(HWND window)
{
    // Looked up: Windows 7 and 8 have no GetDpiForWindow.
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowCall>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0)
        return dpi;
    WindowDC dc(window);
    return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY));
}
