// Raw registry access for the tests, and the redirection of HKEY_CURRENT_USER.
#include "registry_probe.h"

#include <stdexcept>

RedirectedRegistry::RedirectedRegistry()
    : path_("Software\\ProgramTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()))
{
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr) ||
        RegOverridePredefKey(HKEY_CURRENT_USER, key_))
        throw std::runtime_error("cannot redirect HKEY_CURRENT_USER");
}

RedirectedRegistry::~RedirectedRegistry()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ProgramTests"); // fails while another test's key is there
}

RegistryBytes readRegistryValue(const char* keyPath, const char* name, DWORD* type)
{
    RegistryBytes bytes(64);
    DWORD size = static_cast<DWORD>(bytes.size());
    if (RegGetValueA(HKEY_CURRENT_USER, keyPath, name, RRF_RT_ANY, type, bytes.data(), &size))
        return {};
    bytes.resize(size);
    return bytes;
}

bool writeRegistryValue(const char* keyPath, const char* name, const RegistryBytes& bytes, DWORD type)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        return false;
    const bool written = !name || !RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return written;
}

RegistryBytes littleEndian(std::initializer_list<std::int32_t> values)
{
    RegistryBytes bytes;
    for (std::uint32_t v : values)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(v >> shift));
    return bytes;
}
