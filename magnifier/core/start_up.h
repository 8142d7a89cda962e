// Start-up: the window class "VISTREL" and the prepared main window.
#pragma once
#include <windows.h>

// False when another instance is running (it has been asked to show itself) or the
// class could not be registered.
bool initApplication(HINSTANCE instance);
bool registerMainWindowClass(HINSTANCE instance);
// False when the main window could not be created.
bool createMainWindow(HINSTANCE instance, int showCommand);
