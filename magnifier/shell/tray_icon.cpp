// The records follow the shell's first form of NOTIFYICONDATA, which every Windows
// understands; a fresh one is built for every call.
#include "tray_icon.h"

#include "identifiers.h"
#include "program_state.h"

BOOL(WINAPI* shellNotifyIcon)(DWORD, PNOTIFYICONDATAA) = Shell_NotifyIconA;

// The record's first form as the 32-bit program passes it.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

namespace {

constexpr int tipLength = 64;  // with the terminator

NOTIFYICONDATAA iconRecord(HWND mainWindow)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = mainWindow;
    data.uID = 0;
    return data;
}

void notifyAdd(HWND mainWindow)
{
    NOTIFYICONDATAA data = iconRecord(mainWindow);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAYNOTIFY;
    data.hIcon = program.trayIconMono.get();
    lstrcpynA(data.szTip, "Vistrel", tipLength);
    // Wanted even when the shell refused it: a shell that starts later announces
    // itself, and the icon is added then.
    shellNotifyIcon(NIM_ADD, &data);
    program.trayIconAdded = true;
}

} // namespace

void addTrayIcon(HWND mainWindow)
{
    program.trayIconMono.reset(
        static_cast<HICON>(LoadImageA(program.appInstance, "VSMALLBW", IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
    program.trayIconColor.reset(
        static_cast<HICON>(LoadImageA(program.appInstance, "VISTREL", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    notifyAdd(mainWindow);
}

void updateTrayIcon(HWND mainWindow)
{
    const bool shown = IsWindowVisible(mainWindow);
    NOTIFYICONDATAA data = iconRecord(mainWindow);
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = (shown ? program.trayIconColor : program.trayIconMono).get();
    lstrcpynA(data.szTip, shown ? "Hide Vistrel" : "Show Vistrel", tipLength);
    shellNotifyIcon(NIM_MODIFY, &data);
}

BOOL removeTrayIcon(HWND mainWindow)
{
    NOTIFYICONDATAA data = iconRecord(mainWindow);
    const BOOL removed = shellNotifyIcon(NIM_DELETE, &data);
    program.trayIconAdded = false;
    program.trayIconColor.reset();
    program.trayIconMono.reset();
    return removed;
}

void showTrayBalloon(HWND mainWindow, const char* title, const std::string& text)
{
    // Balloons need the record's second form (Windows 2000 and later).
    NOTIFYICONDATAA data = iconRecord(mainWindow);
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.uFlags = NIF_INFO;
    lstrcpynA(data.szInfoTitle, title, sizeof data.szInfoTitle);
    lstrcpynA(data.szInfo, text.c_str(), sizeof data.szInfo);
    data.dwInfoFlags = NIIF_WARNING;
    // Started with Windows, the notification area may not be up yet: the notice waits
    // for the icon to be added again.
    if (shellNotifyIcon(NIM_MODIFY, &data))
        program.pendingBalloon.reset();
    else
        program.pendingBalloon.emplace(title, text);
}

void restoreTrayIcon(HWND mainWindow)
{
    if (!program.trayIconAdded)
        return;
    notifyAdd(mainWindow);
    updateTrayIcon(mainWindow);
    if (const auto pending = program.pendingBalloon)
        showTrayBalloon(mainWindow, pending->first.c_str(), pending->second);
}

UINT taskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void awaitSecondTrayClick(HWND mainWindow)
{
    SetTimer(mainWindow, TRAY_CLICK_TIMER_ID, GetDoubleClickTime(), nullptr);
}

void cancelTraySingleClick(HWND mainWindow)
{
    KillTimer(mainWindow, TRAY_CLICK_TIMER_ID);
}
