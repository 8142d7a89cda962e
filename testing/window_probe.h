// Drives a Windows program from outside, as a user would: starts it, finds its
// windows, reads their texts and pixels, presses their buttons. Every wait is
// bounded, and a program still running when its ChildProcess goes is ended.
#pragma once
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

// Asks found() every 20 ms until its answer is true-ish or the time is up, and
// returns the last answer.
template <typename Found>
auto pollUntil(std::chrono::milliseconds timeout, Found found)
{
    for (auto deadline = std::chrono::steady_clock::now() + timeout;; std::this_thread::sleep_for(20ms))
        if (auto result = found(); result || std::chrono::steady_clock::now() >= deadline)
            return result;
}

// The program named by an environment variable, started in a folder; showCommand is
// what its WinMain receives (by default SW_SHOWDEFAULT, as from a program that says nothing).
class ChildProcess {
public:
    ChildProcess(const char* programVariable, const std::wstring& arguments, std::filesystem::path folder = {},
                 int showCommand = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    // The exit code, or STILL_ACTIVE when the program did not end in time.
    DWORD waitForExit(std::chrono::milliseconds timeout = 20s);
    // Whether the program got to wait for input in its message loop in time.
    bool waitUntilIdle() { return WaitForInputIdle(info_.hProcess, 20000) == 0; }

private:
    PROCESS_INFORMATION info_{};
};

// A top-level window of the process with the given class and caption (empty: any),
// visible unless anyVisibility; null when none appeared in time.
HWND waitForWindow(DWORD processId, const std::wstring& windowClass, const std::wstring& caption,
                   std::chrono::milliseconds timeout = 20s, bool anyVisibility = false);
inline bool waitForWindowGone(HWND window) { return pollUntil(20s, [&] { return !IsWindow(window); }); }

// Alt together with a key, as the keyboard sends it, to whichever program has the
// focus (or holds the combination as a hotkey).
void pressAltWith(WORD virtualKey);

std::wstring windowText(HWND window);
inline RECT windowRect(HWND window) { RECT r{}; return GetWindowRect(window, &r), r; }
// Child windows of a class (empty: all), or the first with a text.
std::vector<HWND> children(HWND parent, const std::wstring& windowClass = L"");
HWND childWithText(HWND parent, const std::wstring& text);
inline void pressButton(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

// Pixels of a device context (by default the screen), row by row, as 0x00RRGGBB.
std::vector<DWORD> pixelsOf(RECT area, HDC source = nullptr);
std::vector<DWORD> clientPixels(HWND window);

// A fresh, empty folder for one test's files; removed with its contents at the end.
struct ScratchFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

// The lines of a file up to the first that does not end in CR LF (a results file).
std::vector<std::string> crlfLines(const std::filesystem::path& file);
