// What a frame of the magnified view costs: frames rendered the way the view timer
// renders them (a WM_TIMER to the window procedure, then the message loop until it
// is idle, which is when Wine hands the window's pixels to the X server), at 2X and
// 4X for a small and a wide client, at 16X plain and inverted for the wide one; and a
// tick at which the cursor has not moved, also with both follow options on and a text
// cursor in another program.
// Argument: seconds per row (default 1).
#include "identifiers.h"
#include "keyboard_watch.h"
#include "main_window.h"
#include "program_state.h"
#include "view.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

void pumpUntilIdle()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

void tick(HWND window)
{
    mainWindowProc(window, WM_TIMER, VIEW_TIMER_ID, 0);
    pumpUntilIdle();
}

// Mean milliseconds per call of step, over at least minimumCalls calls and as many
// more as fit in the given time.
template <typename Step>
double millisecondsPer(Step step, double seconds, int minimumCalls, long* calls)
{
    for (int i = 0; i < 5; ++i)
        step();  // warm-up: first frames allocate the window's surface
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    long n = 0;
    do
        step();
    while (++n < minimumCalls || Clock::now() < end);
    *calls = n;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / static_cast<double>(n);
}

// A window of Vistrel's styles whose client area has the given size; its own window
// procedure is the default one, so that nothing of the program's end (saving the
// settings) runs when it goes.
HWND makeWindow(int clientWidth, int clientHeight)
{
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_THICKFRAME | WS_VISIBLE;
    const DWORD extendedStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
    return CreateWindowExA(extendedStyle, "VistrelBenchmark", "", style, 40, 40, outer.right - outer.left,
                           outer.bottom - outer.top, nullptr, nullptr, program.appInstance, nullptr);
}

// The test kit's window with a text box, started from this program's folder and
// ended with it.
struct TypingWindow {
    PROCESS_INFORMATION process{};
    TypingWindow()
    {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string commandLine = "\"";
        commandLine.append(path, std::strrchr(path, '\\') ? std::strrchr(path, '\\') + 1 - path : 0);
        commandLine.append("typing_window.exe\" 300 400");
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    }
    bool ready() const
    {
        for (int i = 0; process.hProcess && i < 100; ++i, Sleep(50)) {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            if (GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == process.dwThreadId &&
                GetGUIThreadInfo(process.dwThreadId, &info) && info.hwndCaret)
                return true;
        }
        return false;
    }
    ~TypingWindow()
    {
        if (!process.hProcess)
            return;
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
    setUpProgramState(GetModuleHandleA(nullptr));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = program.appInstance;
    windowClass.lpszClassName = "VistrelBenchmark";
    RegisterClassA(&windowClass);
    program.settings.CursorType = Indicator::Crosshair;
    loadIndicatorIcon(Indicator::Crosshair);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);

    std::printf("Vistrel view: ms per frame, each a view-timer tick and the message loop until idle;\n"
                "Crosshair indicator, at least 50 frames and more within %.1f s\n"
                "client      zoom           frames  ms/frame\n",
                seconds);
    struct Row {
        SIZE client;
        Zoom zoom;
        int inverted;
    };
    for (const Row& row : {Row{{100, 100}, Zoom::X2, 0}, {{100, 100}, Zoom::X4, 0}, {{800, 200}, Zoom::X2, 0},
                           {{800, 200}, Zoom::X4, 0}, {{800, 200}, Zoom::X16, 0}, {{800, 200}, Zoom::X16, 1}}) {
        HWND window = makeWindow(row.client.cx, row.client.cy);
        pumpUntilIdle();
        setZoom(program.settings, row.zoom);
        program.settings.InvertColors = row.inverted;
        program.settings.UpdateAlways = 1;  // every tick draws, as after every move
        long frames = 0;
        const double ms = millisecondsPer([&] { tick(window); }, seconds, 50, &frames);
        std::printf("%3ld x %3ld  %2dX%s  %7ld  %8.3f\n", row.client.cx, row.client.cy, factorOf(row.zoom),
                    row.inverted ? " inverted" : "         ", frames, ms);
        DestroyWindow(window);
    }

    // At rest: the last frame's cursor position is the current one. The window is
    // blackened first, so that any drawing at these ticks would show.
    setZoom(program.settings, Zoom::X2);
    program.settings.InvertColors = 0;
    auto atRest = [&](const char* what) {
        HWND window = makeWindow(800, 200);
        program.settings.UpdateAlways = 0;
        tick(window);
        HDC dc = GetDC(window);
        const RECT all{0, 0, 800, 200};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        long ticks = 0;
        const double ms =
            millisecondsPer([&] { mainWindowProc(window, WM_TIMER, VIEW_TIMER_ID, 0); }, seconds, 1000, &ticks);
        bool drawn = false;
        for (int x = 0; x < 800; x += 7)
            drawn |= GetPixel(dc, x, (x * 3) % 200) != RGB(0, 0, 0);
        ReleaseDC(window, dc);
        DestroyWindow(window);
        std::printf("tick at rest, %s: %.1f us; the window was drawn: %s\n", what, ms * 1000.0, drawn ? "yes" : "no");
    };
    atRest("following the mouse only");
    {
        // Both follow options on, with a text cursor in another program's text box in
        // the foreground: each tick reads where it is, and finds it where it was.
        TypingWindow typing;
        program.settings.FollowCaret = program.settings.FollowFocus = 1;
        atRest(typing.ready() ? "following focus and text cursor too" : "following (no typing_window.exe found!)");
        long looks = 0;
        const double lookMs = millisecondsPer([] { lookAtKeyboard(); }, seconds, 1000, &looks);
        std::printf("of which the look at the text cursor and focus: %.1f us\n", lookMs * 1000.0);
        program.settings.FollowCaret = program.settings.FollowFocus = 0;
    }
    POINT cursor{};
    long calls = 0;
    const double cursorMs = millisecondsPer([&] { GetCursorPos(&cursor); }, seconds, 1000, &calls);
    std::printf("GetCursorPos alone: %.1f us\n", cursorMs * 1000.0);
    tearDownProgramState();
    return 0;
}
