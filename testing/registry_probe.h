// The registry as another program sees it: raw values, and a private stand-in for
// this process's HKEY_CURRENT_USER.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Redirects HKEY_CURRENT_USER of this process to a fresh, empty key for its lifetime,
// then deletes that key with everything written under it.
class RedirectedRegistry {
public:
    RedirectedRegistry();
    ~RedirectedRegistry();

private:
    std::string path_;
    HKEY key_ = nullptr;
};

using RegistryBytes = std::vector<std::uint8_t>;
// A value of HKEY_CURRENT_USER\keyPath; empty when it or the key is missing.
RegistryBytes readRegistryValue(const char* keyPath, const char* name, DWORD* type = nullptr);
// Creates the key when missing; a null name writes no value.
bool writeRegistryValue(const char* keyPath, const char* name, const RegistryBytes& bytes, DWORD type = REG_BINARY);

// The bytes 32-bit values are stored as.
RegistryBytes littleEndian(std::initializer_list<std::int32_t> values);
