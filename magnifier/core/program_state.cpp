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
