// The help window: a resizable window filled by a read-only edit control, which
// scrolls by keyboard and mouse as any text box does; Escape closes it.
#include "help_window.h"

#include "monitors.h"
#include "program_state.h"

#include <algorithm>
#include <string>

namespace {

constexpr char helpClassName[] = "VistrelHelp";
constexpr int textHeightAt96Dpi = 16;  // larger than the system's message text: its readers see poorly

// The text as the resource holds it (lines ending in LF), with the CR LF the edit
// control needs.
std::string helpText()
{
    HRSRC found = FindResourceA(program.appInstance, "VISTREL_HELP", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(program.appInstance, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    std::string text;
    for (DWORD i = 0, size = bytes ? SizeofResource(program.appInstance, found) : 0; i < size; ++i)
        text += bytes[i] == '\n' ? std::string("\r\n") : std::string(1, bytes[i]);
    return text;
}

LRESULT CALLBACK helpTextProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Outside a dialog the edit control keeps Escape to itself.
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        PostMessageA(GetParent(edit), WM_CLOSE, 0, 0);
        return 0;
    }
    // The edit control's own procedure, kept with the control (to its last message).
    const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_USERDATA));
    return CallWindowProcA(own, edit, message, wParam, lParam);
}

void setHelpFont(HWND edit, UINT dpi, bool redraw)
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTA font = metrics.lfMessageFont;
    font.lfHeight = -MulDiv(textHeightAt96Dpi, static_cast<int>(dpi), 96);
    font.lfWidth = 0;
    HFONT created = CreateFontIndirectA(&font);
    if (!created)
        return;
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(created), redraw);
    // The old font goes only once the control has let go of it.
    program.helpFont.reset(created);
}

LRESULT onCreate(HWND window)
{
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                                0, 0, 0, window, nullptr, program.appInstance, nullptr);
    if (!edit)
        return -1;
    SetWindowLongPtrA(edit, GWLP_USERDATA,
                      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(helpTextProc)));
    setHelpFont(edit, windowDpi(window), false);
    SetWindowTextA(edit, helpText().c_str());
    return 0;
}

LRESULT onSize(HWND window, LPARAM lParam)
{
    MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
}

// Dragged to a monitor of another DPI: the text keeps its size to the eye there too.
LRESULT onDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    setHelpFont(GetWindow(window, GW_CHILD), HIWORD(wParam), true);
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT onDestroy()
{
    program.helpWindow = nullptr;
    program.helpFont.reset();
    return 0;
}

LRESULT CALLBACK helpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:     return onCreate(window);
    case WM_SIZE:       return onSize(window, lParam);
    case WM_SETFOCUS:   SetFocus(GetWindow(window, GW_CHILD)); return 0;
    case WM_DPICHANGED: return onDpiChanged(window, wParam, lParam);
    case WM_DESTROY:    return onDestroy();
    default:            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool registerHelpClass()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = helpWindowProc;
    windowClass.hInstance = program.appInstance;
    windowClass.hIcon = LoadIconA(program.appInstance, "VISTREL");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = helpClassName;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// "Vistrel.hlp" in the program's folder, or empty when there is none.
std::string oldHelpFile()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file(path, length);
    file = file.substr(0, file.find_last_of('\\') + 1) + "Vistrel.hlp";
    return length && length < MAX_PATH && GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES ? file : "";
}

} // namespace

void showHelp(HWND mainWindow)
{
    if (const std::string file = oldHelpFile(); !file.empty()) {
        WinHelpA(mainWindow, file.c_str(), HELP_FINDER, 0);
        return;
    }
    if (!program.helpWindow && registerHelpClass()) {
        // Centred on the monitor of the main window, and owned by it, so that it stays
        // above the magnifier and goes when the program ends.
        const ScreenRectangle area = workAreaNearest(monitorOf(mainWindow));
        const int dpi = static_cast<int>(windowDpi(mainWindow));
        const int width = std::min(MulDiv(600, dpi, 96), area.right - area.left);
        const int height = std::min(MulDiv(560, dpi, 96), area.bottom - area.top);
        program.helpWindow = CreateWindowExA(
            WS_EX_APPWINDOW, helpClassName, "Vistrel Help", WS_OVERLAPPEDWINDOW,
            area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2,
            width, height, mainWindow, nullptr, program.appInstance, nullptr);
    }
    if (!program.helpWindow)
        return;
    ShowWindow(program.helpWindow, IsIconic(program.helpWindow) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(program.helpWindow);
}
