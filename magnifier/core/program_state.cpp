// Storage for the program-wide state.
#include "program_state.h"

HINSTANCE appInstance = nullptr;
RECT screenRect{};
HMENU mainMenu = nullptr;
HCURSOR arrowCursor = nullptr;
HICON indicatorIcon = nullptr;

HMENU settingsMenu()
{
    return mainMenu ? GetSubMenu(mainMenu, 1) : nullptr;
}

void checkMenuItem(UINT command, bool checked)
{
    CheckMenuItem(mainMenu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
