// The shared fixture of Vistrel's in-process tests.
#include "vistrel_fixture.h"

#include "program_state.h"
#include "settings.h"
#include "settings_store.h"
#include "start_up.h"
#include "toolbar.h"
#include "view.h"

#include <atomic>

namespace {

constexpr const wchar_t* testsKeyPath = L"Software\\VistrelTests";

std::wstring uniqueKeyPath()
{
    static std::atomic<int> counter{0};
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return std::wstring(testsKeyPath) + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(now.QuadPart) + L"-" + std::to_wstring(counter++);
}

HWND ownMainWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) {
            char name[16] = {};
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpA(name, "VISTREL") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void resetProgramState()
{
    Settings = {};
    viewFrozen = false;
    lastCursorPos = {0, 0};
    deleteSnapshot();
    if (indicatorIcon)
        DestroyIcon(indicatorIcon);
    indicatorIcon = nullptr;
    mainMenu = nullptr;
    appBarData = {};
    appInstance = GetModuleHandleA(nullptr);
    screenRect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    arrowCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
}

} // namespace

RedirectedRegistry::RedirectedRegistry() : path_(uniqueKeyPath())
{
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr) !=
            ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, key_) != ERROR_SUCCESS)
        throw std::runtime_error("cannot redirect HKEY_CURRENT_USER");
}

RedirectedRegistry::~RedirectedRegistry()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    // Fails while another test's key is still there, which is as it should be.
    RegDeleteKeyW(HKEY_CURRENT_USER, testsKeyPath);
}

bool hotKeyIsTaken(UINT virtualKey)
{
    // A second registration of keys already held fails.
    if (RegisterHotKey(nullptr, 0x1234, MOD_ALT, virtualKey)) {
        UnregisterHotKey(nullptr, 0x1234);
        return false;
    }
    return true;
}

RECT windowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void createEmptySettingsKey()
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void writeSettingsValue(const char* name, DWORD type, const std::vector<std::uint8_t>& bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
    RegCloseKey(key);
}

void VistrelTest::SetUp()
{
    static const bool registered = registerMainWindowClass(GetModuleHandleA(nullptr));
    ASSERT_TRUE(registered);
    resetProgramState();
}

void VistrelTest::TearDown()
{
    destroy();
    resetProgramState();
}

HWND VistrelTest::start(int showCommand)
{
    if (!createMainWindow(GetModuleHandleA(nullptr), showCommand))
        return nullptr;
    window_ = ownMainWindow();
    pumpMessages();
    return window_;
}

void VistrelTest::destroy()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
    pumpMessages();
}

void VistrelTest::pumpMessages()
{
    // Whatever is queued, the quit message of a destroyed window among it.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT || message.message == WM_TIMER)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool VistrelTest::isChecked(UINT command) const
{
    return (GetMenuState(mainMenu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::string VistrelTest::itemText(UINT command) const
{
    char text[64] = {};
    GetMenuStringA(mainMenu, command, text, sizeof text, MF_BYCOMMAND);
    return text;
}
