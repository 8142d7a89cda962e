// The application window and the notice boxes.
#include "application.h"

#include <commctrl.h>

namespace {

HWND appWindow = nullptr;
HICON icon = nullptr;

// The application window is a zero-sized popup: it gives the program one task-bar
// entry under the application title, and hands activation to whichever of its
// owned windows (dialog, notice, fire view) was active last.
LRESULT CALLBACK applicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            HWND popup = GetLastActivePopup(window);
            if (popup != window && IsWindowEnabled(popup)) {
                SetActiveWindow(popup);
                return 0;
            }
        }
        break;
    case WM_CLOSE:
        return 0; // the program ends only through its dialog or at the end of a run
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void initApplication()
{
    // A long visible run does not pump messages; without this, current Windows would
    // replace the fire view by a frozen "Not Responding" ghost.
    DisableProcessWindowsGhosting();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    HINSTANCE instance = GetModuleHandleW(nullptr);
    icon = LoadIconW(instance, L"MAINICON");

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = applicationWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"IgnaroApplication";
    if (!RegisterClassExW(&windowClass))
        throw UiError(L"Nie można zarejestrować klasy okna aplikacji");

    int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    appWindow = CreateWindowExW(0, windowClass.lpszClassName, std::wstring(applicationTitle).c_str(),
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, x, y, 0, 0,
                                nullptr, nullptr, instance, nullptr);
    if (!appWindow)
        throw UiError(L"Nie można utworzyć okna aplikacji");
    ShowWindow(appWindow, SW_SHOWNOACTIVATE);
}

HWND applicationWindow() { return appWindow; }

HICON applicationIcon() { return icon; }

void showNotice(std::wstring_view text)
{
    MessageBoxW(appWindow, std::wstring(text).c_str(), std::wstring(noticeCaption).c_str(), MB_OK | MB_TASKMODAL);
}

void discardPendingInput()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}
