// What the in-process Wine tests of Vistrel share: a registry of their own in place
// of the user's HKEY_CURRENT_USER, and a main window made the way start-up makes it,
// with every piece of program-wide state reset around each test.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "settings_values.h"

#include <cstdint>
#include <string>
#include <vector>

// Redirects HKEY_CURRENT_USER of this process to a fresh, empty key for its lifetime,
// then deletes that key with everything written under it.
class RedirectedRegistry {
public:
    RedirectedRegistry();
    ~RedirectedRegistry();
    RedirectedRegistry(const RedirectedRegistry&) = delete;
    RedirectedRegistry& operator=(const RedirectedRegistry&) = delete;

private:
    std::wstring path_;
    HKEY key_ = nullptr;
};

// Whether Alt with the key is already registered as a hotkey, by anyone.
bool hotKeyIsTaken(UINT virtualKey);
RECT windowRect(HWND window);

// Raw access to the settings key, as another program would see it.
void writeSettingsValue(const char* name, DWORD type, const std::vector<std::uint8_t>& bytes);
void createEmptySettingsKey();

class VistrelTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // createMainWindow with the given show command; the window, or null.
    HWND start(int showCommand = SW_SHOWNORMAL);
    // Destroys the window as the program's end does and drops the quit message.
    void destroy();
    void pumpMessages();

    // Menu state of a command in the popup menu.
    bool isChecked(UINT command) const;
    std::string itemText(UINT command) const;

    RedirectedRegistry registry_;
    HWND window_ = nullptr;
};
