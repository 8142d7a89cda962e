// mainWindowProc: one short handler per message.
#include "main_window.h"

#include <windowsx.h>

#include "commands.h"
#include "help_window.h"
#include "hotkeys.h"
#include "identifiers.h"
#include "program_state.h"
#include "settings_store.h"
#include "single_instance.h"
#include "toolbar.h"
#include "tray_icon.h"
#include "view.h"
#include "view_geometry.h"

namespace {

constexpr int minimumClientSize = 20;

// A request that arrives while start-up runs (answered inside start-up's own waits on
// the shell) would act on a half-made window: no menu yet, the bar not yet docked.
// It waits in the queue instead.
bool heldForLater(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return program.startingUp && PostMessageA(window, message, wParam, lParam);
}

LRESULT onDestroy(HWND window)
{
    // Saved first, so that HotKeys is stored before disableHotKeys clears it.
    saveSettings(window);
    // Exit has removed the tray icon already; any other end must not leave a dead one.
    if (program.trayIconAdded)
        removeTrayIcon(window);
    removeAppBar();
    KillTimer(window, VIEW_TIMER_ID);
    cancelTraySingleClick(window);
    disableHotKeys(window);
    tearDownProgramState();
    PostQuitMessage(0);
    return 0;
}

LRESULT onEndSession(HWND window, WPARAM sessionEnds)
{
    // Logging off or shutting down ends the process without WM_DESTROY: the settings
    // are saved as at Exit, and nothing else is done that would hold the session up.
    if (sessionEnds)
        saveSettings(window);
    return 0;
}

LRESULT onSize(HWND window, LPARAM lParam)
{
    const int clientWidth = LOWORD(lParam), clientHeight = HIWORD(lParam);
    if (clientWidth >= minimumClientSize && clientHeight >= minimumClientSize)
        return 0;
    // The minimum applies to the client area; the frame comes on top of it.
    RECT outer{};
    GetWindowRect(window, &outer);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    if (clientWidth < minimumClientSize)
        width += minimumClientSize - clientWidth;
    if (clientHeight < minimumClientSize)
        height += minimumClientSize - clientHeight;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    return 0;
}

LRESULT onPaint(HWND window)
{
    // Live, the background fills the damage and the next frame covers it.
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    if (program.viewFrozen)
        paintSnapshot(window);
    EndPaint(window, &paint);
    return 0;
}

LRESULT onHitTest(HWND window, WPARAM wParam, LPARAM lParam)
{
    // Docked, the toolbar can be neither moved nor sized, and a right click anywhere
    // still arrives as a non-client click that opens the menu.
    if (program.settings.AppBarMode)
        return HTSYSMENU;
    // Floating, the whole client area drags the window like a caption.
    const LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return hit == HTCLIENT ? HTCAPTION : hit;
}

void showPopupMenu(HWND window, int x, int y, bool beepWhenMissing)
{
    HMENU popup = settingsMenu();
    if (!popup) {
        if (beepWhenMissing)
            MessageBeep(MB_OK);
        return;
    }
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, x, y, 0, window, nullptr);
}

void showTrayMenu(HWND window)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without the foreground, a menu opened from the tray would not close when the
    // user clicks elsewhere; the posted message lets it close on the next click.
    SetForegroundWindow(window);
    showPopupMenu(window, cursor.x, cursor.y, false);
    PostMessageA(window, WM_NULL, 0, 0);
}

LRESULT onNonClientRightButtonDown(HWND window, LPARAM lParam)
{
    showPopupMenu(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), true);
    return 0;
}

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (heldForLater(window, WM_COMMAND, wParam, lParam))
        return 0;
    if (runMenuCommand(window, LOWORD(wParam)))
        return 0;
    return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
}

void onTraySingleClick(HWND window)
{
    if (!program.settings.AllwaysOnTop)
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    showTrayMenu(window);
}

LRESULT onTimer(HWND window, WPARAM timerId)
{
    if (timerId == VIEW_TIMER_ID)
        renderView(window, false);
    if (timerId == TRAY_CLICK_TIMER_ID) {
        // No second click came in the double-click time.
        cancelTraySingleClick(window);
        onTraySingleClick(window);
    }
    if (timerId == HOTKEY_RETRY_TIMER_ID)
        retryHotKeys(window);
    return 0;
}

LRESULT onHotKey(HWND window, WPARAM hotKeyId)
{
    switch (hotKeyId) {
    case HOTKEY_FREEZE:
        // Freezing captures first; unfreezing finds the view frozen, so the capture
        // does nothing and the snapshot stays as it was.
        renderView(window, true);
        program.viewFrozen = !program.viewFrozen;
        break;
    case HOTKEY_COPY:
        copyViewToClipboard(window);
        break;
    case HOTKEY_ZOOM_IN:
        runMenuCommand(window, IDM_ZOOM_IN);
        break;
    case HOTKEY_ZOOM_OUT:
        runMenuCommand(window, IDM_ZOOM_OUT);
        break;
    case HOTKEY_INVERT:
        runMenuCommand(window, IDM_INVERT_COLORS);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT onMouseWheel(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (!(GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL))
        return DefWindowProcA(window, WM_MOUSEWHEEL, wParam, lParam);
    // A fine-grained wheel sends parts of a notch; a step is taken per whole notch.
    program.wheelDelta += GET_WHEEL_DELTA_WPARAM(wParam);
    const int steps = program.wheelDelta / WHEEL_DELTA;
    program.wheelDelta -= steps * WHEEL_DELTA;
    if (steps)
        zoomTo(steppedZoom(program.settings.ZoomFactor, steps));
    return 0;
}

LRESULT onTrayNotify(HWND window, LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        awaitSecondTrayClick(window);
        break;
    case WM_LBUTTONDBLCLK:
        cancelTraySingleClick(window);
        toggleVisibility(window);
        break;
    case WM_RBUTTONDOWN:
        showTrayMenu(window);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT onDisplayChange(HWND window)
{
    forgetCursorMonitor();
    followDisplayChange(window);
    return 0;
}

LRESULT onDpiChanged()
{
    // The view enlarges screen pixels whatever the DPI: the window keeps its size in
    // pixels rather than take the rectangle the system suggests for the new DPI. Per
    // monitor aware (the manifest), it is never stretched, so never blurred.
    return 0;
}

LRESULT onShowInstance(HWND window)
{
    if (heldForLater(window, showInstanceMessage(), 0, 0))
        return 0;
    // A second start asks the running instance to show itself; a shown one only
    // comes to the foreground, which the second start does.
    if (!IsWindowVisible(window))
        toggleVisibility(window);
    return 0;
}

} // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:       return onDestroy(window);
    case WM_ENDSESSION:    return onEndSession(window, wParam);
    case WM_SIZE:          return onSize(window, lParam);
    case WM_PAINT:         return onPaint(window);
    case WM_HELP:          showHelp(window); return 0;
    case WM_NCHITTEST:     return onHitTest(window, wParam, lParam);
    case WM_NCRBUTTONDOWN: return onNonClientRightButtonDown(window, lParam);
    case WM_COMMAND:       return onCommand(window, wParam, lParam);
    case WM_TIMER:         return onTimer(window, wParam);
    case WM_HOTKEY:        return onHotKey(window, wParam);
    case WM_MOUSEWHEEL:    return onMouseWheel(window, wParam, lParam);
    case WM_DISPLAYCHANGE: return onDisplayChange(window);
    case WM_DPICHANGED:    return onDpiChanged();
    case WM_TRAYNOTIFY:    return onTrayNotify(window, lParam);
    default:
        if (message != 0 && message == showInstanceMessage())
            return onShowInstance(window);
        if (message != 0 && message == taskbarCreatedMessage()) {
            restoreTrayIcon(window);
            restoreAppBar(window);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
