// A text box alone in its window, at the place the command line gives ("x y [text]"),
// in the foreground with the keyboard focus, the text typed into it: something to type
// into for the tests, benchmarks and demonstrations of following the text cursor.
// White, 320 x 100, until it is ended.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    char* rest = nullptr;
    const int x = std::strtol(commandLine, &rest, 10), y = std::strtol(rest, &rest, 10);
    HWND box = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE | ES_MULTILINE, x, y, 320, 100, nullptr, nullptr,
                               nullptr, nullptr);
    SetForegroundWindow(box), SetFocus(box);
    for (const char* typed = *rest ? rest + 1 : rest; *typed; ++typed)
        PostMessageA(box, WM_CHAR, static_cast<unsigned char>(*typed), 0);
    for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;)
        DispatchMessageA(&message);
    return 0;
}
