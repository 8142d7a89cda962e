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
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto result = found();
        if (result || std::chrono::steady_clock::now() >= deadline)
            return result;
        std::this_thread::sleep_for(20ms);
    }
}

class ChildProcess {
public:
    // showCommand is what the program's WinMain receives; without one it gets
    // SW_SHOWDEFAULT, as when started by a program that says nothing.
    ChildProcess(const std::filesystem::path& program, const std::wstring& arguments,
                 const std::filesystem::path& workingDirectory, int showCommand = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    // The exit code, or STILL_ACTIVE when the program did not end in time.
    DWORD waitForExit(std::chrono::milliseconds timeout = 20s);
    // Waits until the program has finished starting and waits for input in its
    // message loop; false when it did not get there in time.
    bool waitUntilIdle(std::chrono::milliseconds timeout = 20s);

private:
    PROCESS_INFORMATION info_{};
};

// A visible top-level window of the process with the given class (empty: any)
// and caption (empty: any); null when none appeared in time.
HWND waitForWindow(DWORD processId, const std::wstring& windowClass, const std::wstring& caption,
                   std::chrono::milliseconds timeout = 20s);
// Waits until the window is gone; false when it was still there after the timeout.
bool waitForWindowGone(HWND window, std::chrono::milliseconds timeout = 20s);

// Alt together with a key, as the keyboard sends it, to whichever program has the
// focus (or holds the combination as a hotkey).
void pressAltWith(WORD virtualKey);

std::wstring windowText(HWND window);
std::wstring className(HWND window);
std::vector<HWND> childWindows(HWND parent);
HWND childWithText(HWND parent, const std::wstring& text);
HWND childOfClass(HWND parent, const std::wstring& windowClass);

// A message box: its caption and text, then a press of its button.
struct MessageBoxContent {
    std::wstring caption;
    std::wstring text;
};
MessageBoxContent readMessageBox(HWND box);
void pressButton(HWND button);

// The pixels of a window's client area as the screen shows them, row by row,
// as 0x00RRGGBB.
std::vector<DWORD> clientPixels(HWND window, int& width, int& height);

// A Windows path for a file of this machine, for the program under test.
std::filesystem::path windowsPath(const std::filesystem::path& path);
// A fresh, empty folder for one test's files; removed with its contents at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name);
    ~ScratchFolder();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);

// The lines of a text whose every line ends in CR LF (a results file, a text box).
template <typename Char>
std::vector<std::basic_string<Char>> crlfLines(const std::basic_string<Char>& text)
{
    const Char lineEnd[] = {Char('\r'), Char('\n'), Char(0)};
    std::vector<std::basic_string<Char>> lines;
    for (std::size_t start = 0, end; (end = text.find(lineEnd, start)) != std::basic_string<Char>::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}
