// The monitors Vistrel puts its window on, in the desktop's coordinates (a monitor
// left of or above the primary one has negative ones), and the DPI its windows are
// drawn at.
#pragma once
#include "settings_record.h"

#include <windows.h>

#include <optional>

inline RECT toRect(const ScreenRectangle& r)
{
    return {r.left, r.top, r.right, r.bottom};
}
inline ScreenRectangle toScreenRectangle(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

// The system's monitor calls; tests put a desktop of monitors of their own in place.
struct MonitorCalls {
    HMONITOR(WINAPI* fromPoint)(POINT, DWORD);
    HMONITOR(WINAPI* fromWindow)(HWND, DWORD);
    HMONITOR(WINAPI* fromRect)(LPCRECT, DWORD);
    BOOL(WINAPI* info)(HMONITOR, LPMONITORINFO);
};
extern MonitorCalls monitorCalls;
inline constexpr MonitorCalls systemMonitorCalls{MonitorFromPoint, MonitorFromWindow, MonitorFromRect, GetMonitorInfoA};

// The whole monitor under a point, or the one nearest to it.
ScreenRectangle monitorAt(POINT point);
// The whole monitor that shows most of a window, or the one nearest to it.
ScreenRectangle monitorOf(HWND window);

// The work area (the monitor less the taskbar and docked bars) of the monitor that a
// rectangle overlaps most, or none when it lies off every monitor.
std::optional<ScreenRectangle> workAreaUnder(const ScreenRectangle& r);
// The work area of the monitor nearest a rectangle, whether it overlaps one or not.
ScreenRectangle workAreaNearest(const ScreenRectangle& r);

// The window's DPI: its monitor's where the system has one per monitor (Windows 10),
// else the one of the whole screen.
UINT windowDpi(HWND window);
