// The registry as another program sees it: raw values, and a private stand-in for
// this process's HKEY_CURRENT_USER.
#pragma once
#include <windows.h>

#include <cstdint>
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
// A REG_BINARY value of HKEY_CURRENT_USER\keyPath; empty when the key, the value or
// that type is missing.
RegistryBytes readBinaryValue(const char* keyPath, const char* name);
// The bytes 32-bit values are stored as.
RegistryBytes littleEndian(const std::vector<std::int32_t>& values);
