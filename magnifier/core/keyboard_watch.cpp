// The text cursor from GetGUIThreadInfo, which every Windows and Wine answer (Wine
// sends no text-cursor event, and many programs send none either); the events only
// make the view quicker where they come.
#include "keyboard_watch.h"

#include "program_state.h"
#include "view.h"

namespace {

// The text cursor's rectangle is in its window's own client pixels: logical ones for a
// program that does not scale itself, which this per-monitor aware thread would take
// as physical. Before Windows 10 these calls are missing, and the point is taken as is.
bool caretToScreen(HWND window, POINT& point)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto look = [user32](const char* name) { return reinterpret_cast<void*>(GetProcAddress(user32, name)); };
    using Context = HANDLE;
    static const auto windowContext = reinterpret_cast<Context(WINAPI*)(HWND)>(look("GetWindowDpiAwarenessContext"));
    static const auto setThreadContext = reinterpret_cast<Context(WINAPI*)(Context)>(look("SetThreadDpiAwarenessContext"));
    static const auto logicalToPhysical =
        reinterpret_cast<BOOL(WINAPI*)(HWND, POINT*)>(look("LogicalToPhysicalPointForPerMonitorDPI"));
    if (!windowContext || !setThreadContext || !logicalToPhysical)
        return ClientToScreen(window, &point);
    const Context ours = setThreadContext(windowContext(window));
    const bool onScreen = ClientToScreen(window, &point);
    setThreadContext(ours);
    // A per-monitor aware window's point is physical already, and is left as it is.
    return onScreen && (logicalToPhysical(window, &point), true);
}

} // namespace

KeyboardPlaces lookAtKeyboard()
{
    const SettingsRecord& settings = program.settings;
    if (!settings.FollowCaret && !settings.FollowFocus)
        return {};
    // Each question about another program's window is a round trip to the system (to
    // the server under Wine): at rest, only the foreground and its thread's state are
    // asked for again.
    KeyboardLook& last = program.keyboardLook;
    if (HWND foreground = GetForegroundWindow(); foreground != last.foreground) {
        DWORD processId = 0;
        last = KeyboardLook{foreground, GetWindowThreadProcessId(foreground, &processId)};
        last.ours = processId == GetCurrentProcessId();
    }
    // Vistrel's own menu or help in the foreground: the keyboard is where it was, so
    // that coming back to the same place moves nothing.
    if (last.ours)
        return program.keyboardFollow.seen;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!last.thread || !GetGUIThreadInfo(last.thread, &info))
        return {};
    KeyboardPlaces places;
    if (settings.FollowCaret && info.hwndCaret) {
        if (info.hwndCaret != last.caretWindow || !EqualRect(&info.rcCaret, &last.caretRect)) {
            POINT centre{(info.rcCaret.left + info.rcCaret.right) / 2, (info.rcCaret.top + info.rcCaret.bottom) / 2};
            last.caretWindow = caretToScreen(info.hwndCaret, centre) ? info.hwndCaret : nullptr;
            last.caretRect = info.rcCaret;
            last.caretCentre = centre;
        }
        if (last.caretWindow)
            places.caret = ScreenPoint{last.caretCentre.x, last.caretCentre.y};
    }
    if (RECT r; settings.FollowFocus && info.hwndFocus && GetWindowRect(info.hwndFocus, &r))
        places.focus = ScreenRectangle{r.left, r.top, r.right, r.bottom};
    return places;
}

namespace {

void CALLBACK onKeyboardEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG, DWORD, DWORD)
{
    // Location changes come for every window and every move of the mouse pointer:
    // only the text cursor's matter.
    if (event == EVENT_OBJECT_LOCATIONCHANGE && object != OBJID_CARET)
        return;
    if (program.keyboardEventWindow)
        renderView(program.keyboardEventWindow, false);
}

} // namespace

void watchKeyboardEvents(HWND mainWindow)
{
    const bool wanted = program.settings.FollowCaret || program.settings.FollowFocus;
    // Either hook may have been refused alone: what is held goes with the other.
    if (wanted == (program.focusEvents || program.locationEvents))
        return;
    program.keyboardEventWindow = wanted ? mainWindow : nullptr;
    // Out of context: nothing is loaded into other programs, and the calls come
    // through this thread's message loop.
    auto hook = [](DWORD event) {
        return OwnedWinEventHook(SetWinEventHook(event, event, nullptr, onKeyboardEvent, 0, 0,
                                                 WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    };
    program.focusEvents = wanted ? hook(EVENT_OBJECT_FOCUS) : nullptr;
    program.locationEvents = wanted ? hook(EVENT_OBJECT_LOCATIONCHANGE) : nullptr;
}
