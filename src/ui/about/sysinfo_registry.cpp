#include "ui/about/sysinfo_registry.h"

#include "platform/system.h"

#include <algorithm>
#include <array>

namespace {

// Joined to the folder of the second source as it is: no separator is
// removed or added.
constexpr char SysInfoFileName[] = "\\MSINFO32.EXE";

// Closes an open key however the reading ends.
class OpenKey
{
public:
    OpenKey(platform::Registry &registry, platform::RegKey key) : m_registry(registry), m_key(key)
    {
    }
    ~OpenKey() { m_registry.closeKey(m_key); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

private:
    platform::Registry &m_registry;
    platform::RegKey m_key;
};

// The path of the tool to start: the first source's as it is read, with no
// existence test, else the second source's folder joined to the file name
// when a plain file is there, else what the system finds without the
// registry. Nothing when none gives one.
std::optional<std::string> findSysInfo(platform::Registry &registry, platform::System &system)
{
    std::string path;
    if (GetKeyValue(registry, platform::RegRoot::LocalMachine, platform::SysInfoPathKey,
                    platform::SysInfoPathValue, path))
        return path;
    if (GetKeyValue(registry, platform::RegRoot::LocalMachine, platform::SysInfoFolderKey,
                    platform::SysInfoFolderValue, path)) {
        path += SysInfoFileName;
        if (system.isPlainFile(path))
            return path;
    }
    return system.findSysInfoTool();
}

} // namespace

void StartSysInfo(platform::Registry &registry, platform::System &system,
                  const MessageBoxFn &showMessage)
{
    try {
        if (const std::optional<std::string> path = findSysInfo(registry, system)) {
            system.startProgram(*path);
            return;
        }
    } catch (...) {
        // Whatever failed, the user learns only that the tool is not available.
    }
    showMessage(SysInfoUnavailableMessage);
}

void StartSysInfo(const MessageBoxFn &showMessage)
{
    StartSysInfo(platform::systemRegistry(), platform::systemServices(), showMessage);
}

bool GetKeyValue(platform::Registry &registry, platform::RegRoot KeyRoot,
                 const std::string &KeyName, const std::string &SubKeyRef, std::string &KeyVal)
{
    platform::RegKey key = 0;
    if (registry.openKey(KeyRoot, KeyName, 0, platform::KeyRead, key) != platform::ErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry, key);

    std::array<unsigned char, KeyValueBufferSize> buffer{};
    std::uint32_t type = platform::RegNone;
    std::uint32_t size = KeyValueBufferSize;
    if (registry.queryValue(key, SubKeyRef, type, buffer.data(), size) != platform::ErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const std::size_t stored = std::min<std::size_t>(size, buffer.size());
    if (std::optional<std::string> text =
            decodeKeyValue(type, buffer.data(), stored, [&registry](std::string_view bytes) {
                return registry.ansiToUtf8(bytes);
            }))
        KeyVal = std::move(*text);
    return true;
}

std::optional<std::string> decodeKeyValue(std::uint32_t type, const unsigned char *data,
                                          std::size_t size, const AnsiToUtf8 &ansiToUtf8)
{
    switch (type) {
    case platform::RegSz: {
        if (size == 0)
            return std::string();
        std::string_view bytes(reinterpret_cast<const char *>(data), size);
        return ansiToUtf8(bytes.substr(0, bytes.find('\0')));
    }
    case platform::RegDword: {
        if (size != 4)
            return std::nullopt;
        const std::uint32_t number = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8
            | std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24;
        return std::to_string(number);
    }
    default:
        return std::nullopt;
    }
}
