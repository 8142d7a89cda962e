// Vistrel's identifiers: menu commands, hotkeys, private messages and the view timer.
// Plain macros, because the resource script includes this file too.
#pragma once

#define IDM_EXIT                 40001
#define IDM_ABOUT                40002
#define IDM_ZOOM_2X              40003
#define IDM_ZOOM_4X              40004
#define IDM_ALWAYS_ON_TOP        40005
#define IDM_TOOLBAR_MODE         40006
#define IDM_HIGH_SAMPLE_RATE     40007
#define IDM_CURSOR_NONE          40009
#define IDM_CURSOR_ARROW         40010
#define IDM_CURSOR_CROSSHAIR     40011
#define IDM_CURSOR_ZERO_SIGHT    40012
#define IDM_CURSOR_XOR_CROSSHAIR 40013
#define IDM_UPDATE_ALWAYS        40014
#define IDM_SHOW_HIDE            40015
#define IDM_HOTKEYS              40016
#define IDM_HELP                 40017
#define IDM_ZOOM_IN              40018
#define IDM_ZOOM_OUT             40019
#define IDM_ZOOM_3X              40020
#define IDM_ZOOM_6X              40021
#define IDM_ZOOM_8X              40022
#define IDM_ZOOM_12X             40023
#define IDM_ZOOM_16X             40024
#define IDM_INVERT_COLORS        40025
#define IDM_FOLLOW_FOCUS         40030
#define IDM_FOLLOW_CARET         40031
#define IDM_FILE                 65535

#define HOTKEY_FREEZE 40976
#define HOTKEY_COPY   40977
#define HOTKEY_ZOOM_IN  40978
#define HOTKEY_ZOOM_OUT 40979
#define HOTKEY_INVERT   40980

#define WM_APPBARNOTIFY (WM_USER + 123)
#define WM_TRAYNOTIFY   (WM_USER + 124)

#define VIEW_TIMER_ID 12345
#define HOTKEY_RETRY_TIMER_ID 12349
// Runs while a click on the tray icon waits to be known as single.
#define TRAY_CLICK_TIMER_ID 40032

// The indicator icons are numbered 104 + CursorType; only 106 to 108 exist.
#define IDI_INDICATOR_BASE    104
#define IDI_CROSSHAIR         106
#define IDI_ZERO_SIGHT        107
#define IDI_XOR_CROSSHAIR     108
