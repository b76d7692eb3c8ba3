#pragma once

#include "registry.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace platform {

// Stands in for HKEY_LOCAL_MACHINE where there is no registry. It holds one
// key, the one that names the system-information tool: its value PATH is the
// full path of the first of hardinfo, kinfocenter and lshw-gtk found on the
// PATH environment variable, as REG_SZ with its terminating zero. When none
// is found the key is missing; no other key exists. Names compare without
// regard to case, as on Windows. Nothing can be written, so asking for any
// write right is refused. Its text is the file system's bytes, handed on as
// they are, UTF-8 or not: what ansiToUtf8 gives back is the path the search
// found, byte for byte, for the starter to use unchanged.
class PosixRegistry : public Registry
{
public:
    RegStatus openKey(RegRoot root, const std::string &subKey, std::uint32_t options,
                      std::uint32_t access, RegKey &key) override;
    RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                         unsigned char *data, std::uint32_t &size) override;
    RegStatus closeKey(RegKey key) override;
    std::string ansiToUtf8(std::string_view bytes) const override;

    // The full path of the first system-information program on searchPath
    // (a PATH-style list), or nothing. Only absolute folders are searched, so
    // the answer is always a full path.
    static std::optional<std::string> findSysInfoTool(const char *searchPath);

private:
    std::mutex m_mutex;
    std::map<RegKey, std::string> m_openKeys; // key -> the tool's path at opening
    RegKey m_lastKey = 0;
};

} // namespace platform
