// The window probe: Win32 calls that look at another process's windows.
#include "window_probe.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

struct WindowSearch {
    DWORD processId;
    const std::wstring* windowClass;
    const std::wstring* caption;
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    if (!search->windowClass->empty() && className(window) != *search->windowClass)
        return TRUE;
    if (!search->caption->empty() && windowText(window) != *search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::wstring& arguments,
                           const std::filesystem::path& workingDirectory, int showCommand)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start the program under test");
}

ChildProcess::~ChildProcess()
{
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

DWORD ChildProcess::waitForExit(std::chrono::milliseconds timeout)
{
    WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count()));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool ChildProcess::waitUntilIdle(std::chrono::milliseconds timeout)
{
    return WaitForInputIdle(info_.hProcess, static_cast<DWORD>(timeout.count())) == 0;
}

void pressAltWith(WORD virtualKey)
{
    const WORD sequence[4] = {VK_MENU, virtualKey, virtualKey, VK_MENU};
    INPUT keys[4] = {};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, keys, sizeof(INPUT));
}

HWND waitForWindow(DWORD processId, const std::wstring& windowClass, const std::wstring& caption,
                   std::chrono::milliseconds timeout)
{
    return pollUntil(timeout, [&] {
        WindowSearch search{processId, &windowClass, &caption};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
}

bool waitForWindowGone(HWND window, std::chrono::milliseconds timeout)
{
    return pollUntil(timeout, [&] { return !IsWindow(window); });
}

std::wstring windowText(HWND window)
{
    // WM_GETTEXT rather than GetWindowText: the latter does not read the text of
    // another process's controls.
    auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring className(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> childWindows(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND childWithText(HWND parent, const std::wstring& text)
{
    for (HWND child : childWindows(parent))
        if (windowText(child) == text)
            return child;
    return nullptr;
}

HWND childOfClass(HWND parent, const std::wstring& windowClass)
{
    for (HWND child : childWindows(parent))
        if (_wcsicmp(className(child).c_str(), windowClass.c_str()) == 0)
            return child;
    return nullptr;
}

MessageBoxContent readMessageBox(HWND box)
{
    // The text of a message box is the static control with id 0xFFFF.
    return {windowText(box), windowText(GetDlgItem(box, 0xFFFF))};
}

void pressButton(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

std::vector<DWORD> clientPixels(HWND window, int& width, int& height)
{
    RECT client;
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (DWORD& pixel : pixels)
        pixel &= 0x00FFFFFF;
    return pixels;
}

std::filesystem::path windowsPath(const std::filesystem::path& path)
{
    std::wstring text = path.wstring();
    if (!text.empty() && text[0] == L'/') {
        for (wchar_t& c : text)
            if (c == L'/')
                c = L'\\';
        text = L"Z:" + text;
    }
    return text;
}

ScratchFolder::ScratchFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::filesystem::path(temp) / (name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                           std::to_wstring(GetTickCount64()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
