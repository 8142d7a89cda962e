// Registers and unregisters the hotkeys; HotKeys records the user's choice, so it
// stays set even when another program already holds one of the keys.
#include "hotkeys.h"

#include "identifiers.h"
#include "program_state.h"

void enableHotKeys(HWND mainWindow)
{
    program.settings.HotKeys = 1;
    RegisterHotKey(mainWindow, HOTKEY_FREEZE, MOD_ALT, VK_F12);
    RegisterHotKey(mainWindow, HOTKEY_COPY, MOD_ALT, VK_F11);
}

void disableHotKeys(HWND mainWindow)
{
    UnregisterHotKey(mainWindow, HOTKEY_FREEZE);
    UnregisterHotKey(mainWindow, HOTKEY_COPY);
    program.settings.HotKeys = 0;
}
