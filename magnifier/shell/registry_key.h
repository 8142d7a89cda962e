// An open registry key, closed on every path.
#pragma once
#include <windows.h>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* receive() { return &key_; }
    operator HKEY() const { return key_; }

private:
    HKEY key_ = nullptr;
};
