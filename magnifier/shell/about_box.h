// The About box: name, maker, version, copyright and purpose read from the program's
// own version resource, and the operating system it runs on.
#pragma once
#include <windows.h>

// Control identifiers of the dialog "ABOUTBOX". The template texts of 400 to 405
// name the version values shown in them; 404 shows the operating-system line.
#define IDC_ABOUT_COMPANY 400
#define IDC_ABOUT_DESCRIPTION 401
#define IDC_ABOUT_VERSION 402
#define IDC_ABOUT_COPYRIGHT 403
#define IDC_ABOUT_OS_VERSION 404
#define IDC_ABOUT_TRADEMARKS 405
#define IDC_ABOUT_RUNNING_ON 406
#define IDB_MAKER_LOGO 109

#ifndef RC_INVOKED
INT_PTR CALLBACK aboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Opens the modal About box, or brings forward the one already open.
void showAboutBox(HWND mainWindow);
#endif
