// Registers and unregisters the hotkeys. HotKeys records the user's choice, so it
// stays set even when another program holds some of the keys: the user is told once
// which, and a slow timer takes them as soon as they are free.
#include "hotkeys.h"

#include "identifiers.h"
#include "program_state.h"
#include "tray_icon.h"

#include <string>

namespace {

struct HotKey {
    int id;
    UINT modifiers, key;
    const char* name;
};
constexpr HotKey hotKeys[] = {
    {HOTKEY_FREEZE, MOD_ALT, VK_F12, "Alt+F12"},
    {HOTKEY_COPY, MOD_ALT, VK_F11, "Alt+F11"},
    {HOTKEY_ZOOM_IN, MOD_CONTROL | MOD_ALT, VK_PRIOR, "Ctrl+Alt+Page Up"},
    {HOTKEY_ZOOM_OUT, MOD_CONTROL | MOD_ALT, VK_NEXT, "Ctrl+Alt+Page Down"},
    {HOTKEY_INVERT, MOD_CONTROL | MOD_ALT, VK_INSERT, "Ctrl+Alt+Insert"},
};
// Rare enough to cost nothing, soon enough that a freed key works within moments.
constexpr UINT retryMilliseconds = 3000;

// Registers every key not held yet; the names of those still held by others.
std::string takeFreeKeys(HWND mainWindow)
{
    std::string taken;
    for (std::size_t i = 0; i < std::size(hotKeys); ++i) {
        const HotKey& k = hotKeys[i];
        if (program.hotKeysHeld & (1u << i))
            continue;
        if (RegisterHotKey(mainWindow, k.id, k.modifiers, k.key))
            program.hotKeysHeld |= 1u << i;
        else
            taken += (taken.empty() ? "" : ", ") + std::string(k.name);
    }
    return taken;
}

} // namespace

void enableHotKeys(HWND mainWindow)
{
    program.settings.HotKeys = 1;
    const std::string taken = takeFreeKeys(mainWindow);
    if (taken.empty())
        return;
    // A balloon rather than a message box: the view goes on while the user reads.
    showTrayBalloon(mainWindow, "Vistrel: hotkeys in use",
                    "Another program holds " + taken + ". Vistrel takes them as soon as they are free.");
    SetTimer(mainWindow, HOTKEY_RETRY_TIMER_ID, retryMilliseconds, nullptr);
}

void retryHotKeys(HWND mainWindow)
{
    if (!program.settings.HotKeys || takeFreeKeys(mainWindow).empty()) {
        KillTimer(mainWindow, HOTKEY_RETRY_TIMER_ID);
        program.pendingBalloon.reset();  // its keys are held now, or no longer wanted
    }
}

void disableHotKeys(HWND mainWindow)
{
    KillTimer(mainWindow, HOTKEY_RETRY_TIMER_ID);
    for (const HotKey& k : hotKeys)
        UnregisterHotKey(mainWindow, k.id);
    program.hotKeysHeld = 0;
    program.settings.HotKeys = 0;
    program.pendingBalloon.reset();
}
