// Vistrel's entry: one instance, one window, one thread, driven by the message loop.
#include "program_state.h"
#include "start_up.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand)
{
    setUpProgramState(instance);
    if (!previousInstance && !initApplication(instance))
        return 0;
    if (!createMainWindow(instance, showCommand))
        return 0;

    // There is no accelerator table: the handle is null and nothing is translated.
    HACCEL accelerators = LoadAcceleratorsA(instance, "VISTREL");
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {  // -1 is an error, not a message
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
