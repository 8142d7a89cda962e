// The dialog fills itself while hidden, so the user never sees the placeholder texts.
#include "about_box.h"

#include "os_version_line.h"
#include "program_state.h"

namespace {

HFONT aboutFontLarge = nullptr;
HFONT aboutFontSmall = nullptr;
HWND openAboutBox = nullptr;

constexpr char stringTablePath[] = "\\StringFileInfo\\040904E4\\";
constexpr int textLength = 256;

HFONT createAboutFont(int height)
{
    // No face name: the platform picks a proportional sans-serif face.
    return CreateFontA(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "");
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
        HFONT font = control == IDC_ABOUT_TRADEMARKS ? aboutFontSmall : aboutFontLarge;
        SendDlgItemMessageA(dialog, control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
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
    aboutFontLarge = createAboutFont(14);
    aboutFontSmall = createAboutFont(13);
    readVersionResource(dialog);
    SendDlgItemMessageA(dialog, IDC_ABOUT_RUNNING_ON, WM_SETFONT, reinterpret_cast<WPARAM>(aboutFontLarge), TRUE);
    SetDlgItemTextA(dialog, IDC_ABOUT_OS_VERSION, osVersionLine(GetVersion()).c_str());
    ShowWindow(dialog, SW_SHOW);
    return TRUE;  // the dialog manager focuses the default button
}

void onDestroy()
{
    // The fonts live as long as the dialog, however it ends.
    DeleteObject(aboutFontLarge);
    DeleteObject(aboutFontSmall);
    aboutFontLarge = aboutFontSmall = nullptr;
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
