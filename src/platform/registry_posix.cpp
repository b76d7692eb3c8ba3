#include "registry_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool isExecutableFile(const std::string &path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::optional<std::string> PosixRegistry::findSysInfoTool(const char *searchPath)
{
    static constexpr const char *Tools[] = {"hardinfo", "kinfocenter", "lshw-gtk"};
    if (!searchPath)
        return std::nullopt;
    const std::string_view folders = searchPath;
    for (const char *tool : Tools) {
        std::size_t start = 0;
        while (start <= folders.size()) {
            std::size_t end = folders.find(':', start);
            if (end == std::string_view::npos)
                end = folders.size();
            std::string folder(folders.substr(start, end - start));
            start = end + 1;
            if (folder.empty() || folder.front() != '/')
                continue;
            if (folder.back() != '/')
                folder += '/';
            std::string candidate = folder + tool;
            if (isExecutableFile(candidate))
                return candidate;
        }
    }
    return std::nullopt;
}

RegStatus PosixRegistry::openKey(RegRoot root, const std::string &subKey, std::uint32_t /*options*/,
                                 std::uint32_t access, RegKey &key)
{
    if (root != RegRoot::LocalMachine || !equalsIgnoringCase(subKey, SysInfoPathKey))
        return ErrorFileNotFound;
    if (access & KeyWriteRights)
        return ErrorAccessDenied;
    std::optional<std::string> tool = findSysInfoTool(std::getenv("PATH"));
    if (!tool)
        return ErrorFileNotFound;
    const std::lock_guard lock(m_mutex);
    key = ++m_lastKey;
    m_openKeys.emplace(key, std::move(*tool));
    return ErrorSuccess;
}

RegStatus PosixRegistry::queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                                    unsigned char *data, std::uint32_t &size)
{
    const std::lock_guard lock(m_mutex);
    const auto open = m_openKeys.find(key);
    if (open == m_openKeys.end())
        return ErrorInvalidHandle;
    if (!equalsIgnoringCase(valueName, SysInfoPathValue))
        return ErrorFileNotFound;
    const std::string &path = open->second;
    const auto needed = static_cast<std::uint32_t>(path.size() + 1); // with its terminating zero
    type = RegSz;
    if (!data) {
        size = needed;
        return ErrorSuccess;
    }
    if (size < needed) {
        size = needed;
        return ErrorMoreData;
    }
    std::memcpy(data, path.c_str(), needed);
    size = needed;
    return ErrorSuccess;
}

RegStatus PosixRegistry::closeKey(RegKey key)
{
    const std::lock_guard lock(m_mutex);
    return m_openKeys.erase(key) ? ErrorSuccess : ErrorInvalidHandle;
}

std::string PosixRegistry::ansiToUtf8(std::string_view bytes) const
{
    // The one value is a path, and a path here is bytes: decoding it would
    // turn a byte that is not UTF-8 into U+FFFD, and name no file at all.
    return std::string(bytes);
}

Registry &systemRegistry()
{
    static PosixRegistry registry;
    return registry;
}

} // namespace platform
