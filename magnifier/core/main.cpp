// Vistrel's entry: one instance, one window, one thread, driven by the message loop.
#include "program_state.h"
#include "start_up.h"
#include "view.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand)
{
    viewFrozen = false;
    screenRect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};

    if (!previousInstance && !initApplication(instance))
        return 0;
    if (!createMainWindow(instance, showCommand))
        return 0;

    appInstance = instance;
    // There is no accelerator table: the handle is null and nothing is translated.
    HACCEL accelerators = LoadAcceleratorsA(instance, "VISTREL");
    arrowCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {  // -1 is an error, not a message
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
