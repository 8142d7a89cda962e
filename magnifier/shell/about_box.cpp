// The dialog fills itself while hidden, so the user never sees the placeholder texts.
#include "about_box.h"

#include "handles.h"
#include "monitors.h"
#include "os_version_line.h"
#include "program_state.h"

namespace {

OwnedFont aboutFontLarge;
OwnedFont aboutFontSmall;
HWND openAboutBox = nullptr;

constexpr char stringTablePath[] = "\\StringFileInfo\\040904E4\\";
constexpr int textLength = 256;

OwnedFont createAboutFont(int heightAt96Dpi, UINT dpi)
{
    // The dialog's own font and sizes grow with the monitor's DPI, and so do these.
    // No face name: the platform picks a proportional sans-serif face.
    return OwnedFont(CreateFontA(MulDiv(heightAt96Dpi, static_cast<int>(dpi), 96), 0, 0, 0, FW_DONTCARE, FALSE,
                                 FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 VARIABLE_PITCH | FF_SWISS, ""));
}

void createAboutFonts(UINT dpi)
{
    aboutFontLarge = createAboutFont(14, dpi);
    aboutFontSmall = createAboutFont(13, dpi);
}

void setFont(HWND dialog, int control, const OwnedFont& font)
{
    SendDlgItemMessageA(dialog, control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
}

// A value of the version resource's string table, or null when it is missing or empty.
const char* versionValue(void* versionInfo, const char* name)
{
    char path[textLength + sizeof stringTablePath];
    lstrcpyA(path, stringTablePath);
    lstrcpynA(path + sizeof stringTablePath - 1, name, textLength);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(versionInfo, path, &value, &length) || !value || length == 0)
        return nullptr;
    return static_cast<const char*>(value);
}

// The template texts of the controls name the values they show.
void showVersionValues(HWND dialog, void* versionInfo)
{
    if (const char* productName = versionValue(versionInfo, "ProductName")) {
        char caption[textLength + 8];
        lstrcpyA(caption, "About ");
        lstrcpynA(caption + 6, productName, textLength);
        SetWindowTextA(dialog, caption);
    }
    for (int control = IDC_ABOUT_COMPANY; control <= IDC_ABOUT_TRADEMARKS; ++control) {
        char name[textLength] = {};
        GetDlgItemTextA(dialog, control, name, textLength);
        const char* value = versionValue(versionInfo, name);
        char error[32];
        if (!value) {
            wsprintfA(error, "Error %lu", GetLastError());
            value = error;
        }
        SetDlgItemTextA(dialog, control, value);
        setFont(dialog, control, control == IDC_ABOUT_TRADEMARKS ? aboutFontSmall : aboutFontLarge);
    }
}

void readVersionResource(HWND dialog)
{
    char modulePath[MAX_PATH] = {};
    GetModuleFileNameA(program.appInstance, modulePath, MAX_PATH);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(modulePath, &handle);
    if (size == 0)
        return;  // the controls keep their template texts, the caption "About"
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return;
    if (void* versionInfo = GlobalLock(block)) {
        if (GetFileVersionInfoA(modulePath, 0, size, versionInfo))
            showVersionValues(dialog, versionInfo);
        GlobalUnlock(block);
    }
    GlobalFree(block);
}

BOOL onInitDialog(HWND dialog)
{
    ShowWindow(dialog, SW_HIDE);
    openAboutBox = dialog;
    createAboutFonts(windowDpi(dialog));
    readVersionResource(dialog);
    setFont(dialog, IDC_ABOUT_RUNNING_ON, aboutFontLarge);
    SetDlgItemTextA(dialog, IDC_ABOUT_OS_VERSION, osVersionLine(GetVersion()).c_str());
    ShowWindow(dialog, SW_SHOW);
    return TRUE;  // the dialog manager focuses the default button
}

// Moved to a monitor of another DPI: the controls that show the fonts get them anew
// at that DPI, before the old ones go.
void onDpiChanged(HWND dialog, UINT dpi)
{
    const OwnedFont oldLarge = std::move(aboutFontLarge), oldSmall = std::move(aboutFontSmall);
    createAboutFonts(dpi);
    for (int control = IDC_ABOUT_COMPANY; control <= IDC_ABOUT_RUNNING_ON; ++control) {
        const auto font = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, control, WM_GETFONT, 0, 0));
        if (font && font == oldLarge.get())
            setFont(dialog, control, aboutFontLarge);
        else if (font && font == oldSmall.get())
            setFont(dialog, control, aboutFontSmall);
    }
}

void onDestroy()
{
    // The fonts live as long as the dialog, however it ends.
    aboutFontLarge.reset();
    aboutFontSmall.reset();
    openAboutBox = nullptr;
}

} // namespace

INT_PTR CALLBACK aboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(dialog);
    case WM_COMMAND:
        // Escape and the close box arrive as IDCANCEL; both end the box the same way.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    case WM_DPICHANGED:
        // Not handled: the dialog manager still scales the dialog itself.
        onDpiChanged(dialog, HIWORD(wParam));
        return FALSE;
    case WM_DESTROY:
        onDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

void showAboutBox(HWND mainWindow)
{
    // The tray menu still works while the box is open; a second box would share the
    // first one's fonts.
    if (openAboutBox) {
        SetForegroundWindow(openAboutBox);
        return;
    }
    DialogBoxParamA(program.appInstance, "AboutBox", mainWindow, aboutBoxProc, 0);
}
