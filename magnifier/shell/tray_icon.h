// Vistrel's icon in the notification area: in colour with the tip "Hide Vistrel"
// while the window is shown, black and white with "Show Vistrel" while it is hidden;
// and the timing that tells a single click on it from a double click.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

// The shell call; tests put a recorder in its place.
extern BOOL(WINAPI* shellNotifyIcon)(DWORD message, PNOTIFYICONDATAA data);

void addTrayIcon(HWND mainWindow);
void updateTrayIcon(HWND mainWindow);
// Deletes the icon and frees both images; the shell's success flag.
BOOL removeTrayIcon(HWND mainWindow);
// Adds the icon again after the shell has restarted and lost it.
void restoreTrayIcon(HWND mainWindow);
// The message the shell broadcasts when its taskbar is created anew.
UINT taskbarCreatedMessage();

// A notice in a balloon at the icon, which does not stop the program; one the shell
// refused is shown when the icon is restored.
void showTrayBalloon(HWND mainWindow, const char* title, const std::string& text);

// A single click may be the first half of a double click: its action waits for the
// system's double-click time on a timer (TRAY_CLICK_TIMER_ID), while the view runs on.
void awaitSecondTrayClick(HWND mainWindow);
// The double click came: the single click's action is not taken.
void cancelTraySingleClick(HWND mainWindow);
