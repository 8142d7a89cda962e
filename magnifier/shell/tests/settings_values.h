// The settings key's values as another program sees them: raw bytes, read straight
// from HKEY_CURRENT_USER, and the bytes a list of 32-bit values is stored as.
#pragma once
#include <windows.h>

#include "settings_store.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

// Empty when the value (or the key) is missing.
inline std::vector<std::uint8_t> readSettingsValue(const char* name, DWORD* type = nullptr)
{
    std::vector<std::uint8_t> bytes(64);
    DWORD size = static_cast<DWORD>(bytes.size());
    DWORD storedType = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, settingsKeyPath, name, RRF_RT_ANY, &storedType, bytes.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    bytes.resize(size);
    if (type)
        *type = storedType;
    return bytes;
}

inline std::vector<std::uint8_t> littleEndian(std::initializer_list<std::int32_t> values)
{
    std::vector<std::uint8_t> bytes;
    for (std::int32_t v : values)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> shift));
    return bytes;
}
