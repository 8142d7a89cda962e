// The settings in HKEY_CURRENT_USER\Software\Quorix Inc.\Vistrel: REG_BINARY values
// holding the fields' bytes, read once at start-up and written once at the end.
#include "settings_store.h"

#include "monitors.h"
#include "program_state.h"
#include "registry_key.h"
#include "settings.h"

void loadSettings()
{
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_READ, key.receive()) != ERROR_SUCCESS) {
        applyFirstRunDefaults(program.settings);
        return;
    }
    // The type is not asked for: a 4-byte REG_DWORD reads like a REG_BINARY, a string
    // as its characters (a flag "1" or even "0" is non-zero, so on). A shorter value
    // replaces the leading bytes only; a longer one fails with ERROR_MORE_DATA.
    readSettingsValues(program.settings, [&](const char* name, std::span<std::byte> field) {
        DWORD size = static_cast<DWORD>(field.size());
        return RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(field.data()), &size) ==
               ERROR_SUCCESS;
    });
    repairLoadedSettings(program.settings, workAreaUnder);
}

void saveSettings(HWND mainWindow)
{
    // Docked, the field keeps the floating rectangle from before docking.
    if (!program.settings.AppBarMode) {
        RECT rect{};
        GetWindowRect(mainWindow, &rect);
        program.settings.WindowPosition = {rect.left, rect.top, rect.right, rect.bottom};
    }
    RegistryKey key;
    char noClass[] = "";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, noClass, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, key.receive(), nullptr) != ERROR_SUCCESS)
        return;
    for (const SettingsValue& value : settingsValues()) {
        const std::span<std::byte> bytes = value.field(program.settings);
        RegSetValueExA(key, value.name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    }
}
