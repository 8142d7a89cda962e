// The one record of program-wide state, its set-up and its tear-down.
#include "program_state.h"

ProgramState program;

void setUpProgramState(HINSTANCE instance)
{
    program = ProgramState{};
    program.appInstance = instance;
    program.arrowCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
}

void tearDownProgramState()
{
    // The owners release the menu, the icons and the snapshot.
    program = ProgramState{};
}

HMENU settingsMenu()
{
    return program.mainMenu ? GetSubMenu(program.mainMenu.get(), 1) : nullptr;
}

void checkMenuItem(UINT command, bool checked)
{
    CheckMenuItem(program.mainMenu.get(), command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
