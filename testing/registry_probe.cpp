// Raw registry access for the tests, and the redirection of HKEY_CURRENT_USER.
#include "registry_probe.h"

#include <stdexcept>

RedirectedRegistry::RedirectedRegistry()
    : path_("Software\\ProgramTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()))
{
    if (RegCreateKeyA(HKEY_CURRENT_USER, path_.c_str(), &key_) || RegOverridePredefKey(HKEY_CURRENT_USER, key_))
        throw std::runtime_error("cannot redirect HKEY_CURRENT_USER");
}

RedirectedRegistry::~RedirectedRegistry()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ProgramTests"); // fails while another test's key is there
}

RegistryBytes readBinaryValue(const char* keyPath, const char* name)
{
    RegistryBytes bytes(64);
    DWORD size = 64;
    const LSTATUS read = RegGetValueA(HKEY_CURRENT_USER, keyPath, name, RRF_RT_REG_BINARY, nullptr, bytes.data(), &size);
    bytes.resize(read == ERROR_SUCCESS ? size : 0);
    return bytes;
}

RegistryBytes littleEndian(const std::vector<std::int32_t>& values)
{
    RegistryBytes bytes;
    for (std::uint32_t v : values)
        bytes.insert(bytes.end(), {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
    return bytes;
}
