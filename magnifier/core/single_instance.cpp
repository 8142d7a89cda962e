// The single-instance check. The window search alone leaves a gap: two starts at the
// same moment both find no window yet. A named mutex closes it; its first owner goes
// on, and a later start waits for that owner's window to appear.
#include "single_instance.h"

#include <chrono>
#include <thread>

namespace {

constexpr const char* mutexName = "Vistrel.SingleInstance.{6F1C0B52-3D8E-4A7B-9E21-5C4F7D2A8B90}";
constexpr auto windowWait = std::chrono::seconds(10);

HWND findRunningWindow(bool waitForIt)
{
    const auto deadline = std::chrono::steady_clock::now() + windowWait;
    for (;;) {
        if (HWND window = FindWindowA("VISTREL", nullptr))
            return window;
        if (!waitForIt || std::chrono::steady_clock::now() >= deadline)
            return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

UINT showInstanceMessage()
{
    static const UINT message = RegisterWindowMessageA("Vistrel.ShowInstance");
    return message;
}

bool claimSingleInstance()
{
    // Held until the process ends; the system releases it then, also after a crash.
    // The error code is read at once: the guard of a function-local static would
    // reset it.
    HANDLE ownMutex = CreateMutexA(nullptr, FALSE, mutexName);
    const bool anotherStarted = ownMutex && GetLastError() == ERROR_ALREADY_EXISTS;

    HWND running = findRunningWindow(anotherStarted);
    if (!running)
        return !anotherStarted;
    // Sent, not posted, so that the window is shown before it is brought forward.
    // The running instance answers only while hidden, with its own show step, which
    // updates its menu, toolbar and tray icon.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(running, showInstanceMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    SetForegroundWindow(running);
    return false;
}
