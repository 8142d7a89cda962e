// The window probe: Win32 calls that look at another process's windows.
#include "window_probe.h"

#include <fstream>
#include <stdexcept>

ChildProcess::ChildProcess(const char* programVariable, const std::wstring& arguments,
                           std::filesystem::path folder, int showCommand)
{
    // A file of this machine seen from Wine: drive Z: is the root.
    const char* path = std::getenv(programVariable);
    const std::filesystem::path program = L"Z:" + std::filesystem::path(path ? path : "").make_preferred().wstring();
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{sizeof startup};
    startup.dwFlags = showCommand >= 0 ? STARTF_USESHOWWINDOW : 0;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    if (folder.empty())
        folder = program.parent_path();
    if (!path || !CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 folder.c_str(), &startup, &info_))
        throw std::runtime_error(std::string("cannot start ") + programVariable);
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

HWND waitForWindow(DWORD processId, const std::wstring& windowClass, const std::wstring& caption,
                   std::chrono::milliseconds timeout, bool anyVisibility)
{
    return pollUntil(timeout, [&]() -> HWND {
        for (HWND window : children(nullptr, windowClass)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && (anyVisibility || IsWindowVisible(window)) &&
                (caption.empty() || windowText(window) == caption))
                return window;
        }
        return nullptr;
    });
}

void pressAltWith(WORD virtualKey)
{
    INPUT keys[4] = {};
    for (int i = 0; i < 4; ++i)
        keys[i] = {INPUT_KEYBOARD, {.ki = {i % 3 ? virtualKey : WORD{VK_MENU}, 0, i < 2 ? 0u : KEYEVENTF_KEYUP}}};
    SendInput(4, keys, sizeof(INPUT));
}

std::wstring windowText(HWND window)
{
    // WM_GETTEXT rather than GetWindowText, which does not read another process's controls.
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

std::vector<HWND> children(HWND parent, const std::wstring& windowClass)
{
    std::vector<HWND> found;
    for (HWND child = nullptr; (child = FindWindowExW(parent, child, nullptr, nullptr));) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (windowClass.empty() || _wcsicmp(name, windowClass.c_str()) == 0)
            found.push_back(child);
    }
    return found;
}

HWND childWithText(HWND parent, const std::wstring& text)
{
    for (HWND child : children(parent))
        if (windowText(child) == text)
            return child;
    return nullptr;
}

std::vector<DWORD> pixelsOf(RECT area, HDC source)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    std::vector<DWORD> pixels(width * height);
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source ? source : screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (DWORD& pixel : pixels)
        pixel &= 0x00FFFFFF;
    return pixels;
}

std::vector<DWORD> clientPixels(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return pixelsOf(client);
}

std::vector<std::string> crlfLines(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line) && line.ends_with('\r');)
        lines.push_back(line.substr(0, line.size() - 1));
    return lines;
}
