// Vistrel's program-wide state: one main window per process, so one of each, in one
// record with one owner. WinMain sets it up before anything else runs and the main
// window's WM_DESTROY tears it down; each subsystem keeps its part here.
#pragma once
#include "handles.h"
#include "keyboard_places.h"
#include "settings_record.h"

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

// What the last look at the keyboard asked of the system, kept for the next look.
struct KeyboardLook {
    HWND foreground = nullptr;
    DWORD thread = 0;                 // of the foreground window
    bool ours = false;                // the foreground is Vistrel's own
    HWND caretWindow = nullptr;       // the text cursor's window, and where it was in it
    RECT caretRect{};
    POINT caretCentre{};              // on the screen
};

struct ProgramState {
    HINSTANCE appInstance = nullptr;  // every resource is loaded from it
    SettingsRecord settings{};        // loaded at start-up, saved when the window goes
    OwnedMenu mainMenu;               // never attached: its submenu 1 is the popup menu
    HCURSOR arrowCursor = nullptr;    // drawn by the Arrow indicator
    OwnedIcon indicatorIcon;          // the image of the last Crosshair-type indicator chosen
    bool startingUp = false;          // requests from outside wait until start-up is over

    // The magnified view.
    OwnedBitmap snapshotBitmap;       // one rendered frame, or null
    int snapshotWidth = 0, snapshotHeight = 0;
    bool viewFrozen = false;          // while set, nothing is rendered and repaints show the snapshot
    POINT lastCursorPos{0, 0};        // the mouse at the last look
    KeyboardFollow keyboardFollow;    // the keyboard at the last look, and whether the view shows it
    KeyboardLook keyboardLook;
    // The system's focus and text-cursor events, taken while a follow option is on.
    OwnedWinEventHook focusEvents;
    OwnedWinEventHook locationEvents;
    HWND keyboardEventWindow = nullptr;  // the window whose view they refresh
    bool viewChanged = false;         // zoom or colours changed: the next tick draws even at rest
    int wheelDelta = 0;               // Ctrl + wheel turned less than a notch, kept for the next
    std::optional<ScreenRectangle> cursorMonitor;  // the monitor of the last frame's cursor

    // Toolbar mode: the one record of every application-bar call, which keeps the
    // last granted rectangle, and whether the shell holds the bar now.
    APPBARDATA appBarData{};
    bool barRegistered = false;

    // The tray icon.
    OwnedIcon trayIconColor;          // the 16 x 16 image of "VISTREL"
    OwnedIcon trayIconMono;           // "VSMALLBW"
    bool trayIconAdded = false;       // added (or tried) and not removed since
    std::optional<std::pair<std::string, std::string>> pendingBalloon;  // title and text the shell could not show yet

    // The hotkeys this window has registered, one bit each; the others wait for the
    // retry timer while HotKeys is set.
    unsigned hotKeysHeld = 0;

    // The help window, while it is open.
    HWND helpWindow = nullptr;
    OwnedFont helpFont;
};

extern ProgramState program;

// A process's start: everything empty but the instance and the arrow cursor.
void setUpProgramState(HINSTANCE instance);
// Frees whatever the state still owns and empties it, as at the start.
void tearDownProgramState();

// The popup menu ("&Settings") of mainMenu, or null when the menu did not load.
HMENU settingsMenu();
// Puts or removes the check mark of a command of mainMenu.
void checkMenuItem(UINT command, bool checked);
