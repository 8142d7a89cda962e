// The single-instance check. The window search alone leaves a gap: two starts at the
// same moment both find no window yet. A named mutex closes it: its owner goes on,
// and a later start waits for the owner's window to appear, or, when the owner is
// ending, for the mutex to be free. Both are per desktop: FindWindow looks at this
// thread's desktop only, and the mutex is named after it.
#include "single_instance.h"

#include <chrono>
#include <string>

namespace {

constexpr const char* mutexPrefix = "Vistrel.SingleInstance.{6F1C0B52-3D8E-4A7B-9E21-5C4F7D2A8B90}.";
constexpr auto handOverWait = std::chrono::seconds(10);

std::string userObjectName(HANDLE object)
{
    char name[256] = {};
    DWORD needed = 0;
    GetUserObjectInformationA(object, UOI_NAME, name, sizeof name - 1, &needed);
    return name;
}

// A session may show several desktops (another user's behind a switch, a program's
// own), each with its own windows and its own Vistrel.
std::string mutexName()
{
    return mutexPrefix + userObjectName(GetProcessWindowStation()) + "." +
           userObjectName(GetThreadDesktop(GetCurrentThreadId()));
}

// False when the window was gone by the time it was asked: its instance is ending.
bool handOver(HWND running)
{
    // Sent, not posted, so that the window is shown before it is brought forward.
    // The running instance answers only while hidden, with its own show step, which
    // updates its menu, toolbar and tray icon.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(running, showInstanceMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    if (!IsWindow(running))
        return false;
    SetForegroundWindow(running);
    return true;
}

} // namespace

UINT showInstanceMessage()
{
    static const UINT message = RegisterWindowMessageA("Vistrel.ShowInstance");
    return message;
}

bool claimSingleInstance()
{
    // The running instance owns the mutex until its process ends (the system releases
    // it then, also after a crash). The error code is read at once: the guard of a
    // function-local static, or the freeing of a name, would reset it.
    const std::string name = mutexName();
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    const bool anotherStarted = mutex && GetLastError() == ERROR_ALREADY_EXISTS;
    if (!anotherStarted) {
        HWND running = FindWindowA("VISTREL", nullptr);
        return !running || !handOver(running);
    }
    // Another instance is starting (its window is not there yet) or ending (its window
    // is gone): hand over to its window, or take its place once it has ended.
    const auto deadline = std::chrono::steady_clock::now() + handOverWait;
    do {
        HWND running = FindWindowA("VISTREL", nullptr);
        if (running && handOver(running))
            return false;
        const DWORD wait = WaitForSingleObject(mutex, 20);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED)
            return true;
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}
