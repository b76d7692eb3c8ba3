#include "platform/registry.h"
#include "platform/windows_text.h"

#include <windows.h>

namespace platform {

namespace {

HKEY rootHandle(RegRoot root)
{
    switch (root) {
    case RegRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    }
    return nullptr;
}

// The registry of Windows, through the ANSI functions of advapi32.
class WindowsRegistry : public Registry
{
public:
    RegStatus openKey(RegRoot root, const std::string &subKey, std::uint32_t options,
                      std::uint32_t access, RegKey &key) override
    {
        HKEY opened = nullptr;
        const LSTATUS status =
            RegOpenKeyExA(rootHandle(root), windows::ansiFromUtf8(subKey).c_str(), DWORD(options),
                          REGSAM(access), &opened);
        if (status == ERROR_SUCCESS)
            key = reinterpret_cast<RegKey>(opened);
        return status;
    }

    RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                         unsigned char *data, std::uint32_t &size) override
    {
        DWORD valueType = REG_NONE;
        DWORD length = size;
        const LSTATUS status =
            RegQueryValueExA(reinterpret_cast<HKEY>(key), windows::ansiFromUtf8(valueName).c_str(),
                             nullptr, &valueType, data, &length);
        type = valueType;
        size = length;
        return status;
    }

    RegStatus closeKey(RegKey key) override { return RegCloseKey(reinterpret_cast<HKEY>(key)); }

    std::string ansiToUtf8(std::string_view bytes) const override
    {
        return windows::utf8FromAnsi(bytes);
    }
};

} // namespace

Registry &systemRegistry()
{
    static WindowsRegistry registry;
    return registry;
}

} // namespace platform
