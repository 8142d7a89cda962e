// What the in-process Wine tests of Vistrel share: a registry of their own in place
// of the user's HKEY_CURRENT_USER, a main window made the way start-up makes it with
// the program-wide state set up and torn down as the program does it, the window's
// state as one line, and its popup menu caught and ended.
#pragma once
#include "identifiers.h"
#include "program_state.h"
#include "registry_probe.h"
#include "settings_store.h"
#include "window_probe.h"

#include <gtest/gtest.h>

// Creates the key when missing.
inline void writeSettingsValue(const char* name, const RegistryBytes& bytes, DWORD type = REG_BINARY)
{
    ASSERT_FALSE(RegSetKeyValueA(HKEY_CURRENT_USER, settingsKeyPath, name, type, bytes.data(), bytes.size()));
}
// Whether Alt with the key is registered as a hotkey, by anyone: a second
// registration of keys already held fails.
inline bool hotKeyIsTaken(UINT key) { return !RegisterHotKey(nullptr, 1, MOD_ALT, key) || !UnregisterHotKey(nullptr, 1); }

// Splits the 1024 x 768 screen into two monitors for the program's look-ups: the
// primary one left of x = 512, a second one right of it.
void splitScreenIntoTwoMonitors();

class VistrelTest : public testing::Test {
protected:
    // The shell gets the tray records straight, unless a test puts a recorder between.
    void SetUp() override;
    // Ends as the window's end does, with no application bar left behind.
    void TearDown() override;

    // createMainWindow with the given show command; the window, or null.
    HWND start(int showCommand = SW_SHOWNORMAL);
    // Destroys the window as the program's end does, and whatever it queued.
    void destroy() { DestroyWindow(window_), pumpMessages(); }
    void pumpMessages();
    LRESULT command(UINT id) { return SendMessageA(window_, WM_COMMAND, id, 0); }
    // Sends the window a message that may open the popup menu (whose modal loop then
    // runs inside it, or inside a timer's message within waitMs), and ends the menu once
    // it shows: how many milliseconds after the message was sent it showed (-1: it did
    // not), and where.
    int popupMenuAfter(UINT message, WPARAM wParam, LPARAM lParam, RECT* place = nullptr, DWORD waitMs = 0);
    // "shown|hidden [top] left,top,right,bottom", the checked menu items and the
    // show/hide item, the hotkeys held by anyone, the settings in memory, and
    // "held" while some application bar holds the top of the screen.
    std::string state() const;
    std::string afterCommand(UINT id) { return command(id), state(); }

    RedirectedRegistry registry_;
    HWND window_ = nullptr;
};
