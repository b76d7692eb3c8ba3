#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The part of the Windows registry the about dialog reads, as an interface:
// the Win32 functions RegOpenKeyExA, RegQueryValueExA and RegCloseKey with
// their status codes, value types and buffer sizes. Windows has one; on
// other systems it holds no key. The tests of the reader bring their own.
namespace platform {

// Predefined roots. The Windows backend maps them to the real handles (on
// 64-bit Windows those are sign-extended pointers, never these numbers).
enum class RegRoot : std::uint32_t {
    LocalMachine = 0x80000002u, // HKEY_LOCAL_MACHINE
};

// Win32 status codes: any other than success is a failure to the reader.
using RegStatus = long;
inline constexpr RegStatus ErrorSuccess = 0;
inline constexpr RegStatus ErrorFileNotFound = 2;

// KEY_READ: all an ordinary user may ask of HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t KeyRead = 0x20019;

// The value types the reader decodes.
inline constexpr std::uint32_t RegNone = 0;
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegDword = 4;

// An open key; 0 is no key.
using RegKey = std::uintptr_t;

// Where Windows records its system-information tool, under
// HKEY_LOCAL_MACHINE: the full path of the program, then the folder that
// holds MSINFO32.EXE.
inline constexpr char SysInfoPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char SysInfoPathValue[] = "PATH";
inline constexpr char SysInfoFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char SysInfoFolderValue[] = "MSINFO";

class Registry
{
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA. Names are UTF-8 here; the backend hands them over in
    // the ANSI code page. On success key holds the open key.
    virtual RegStatus openKey(RegRoot root, const std::string &subKey, std::uint32_t options,
                              std::uint32_t access, RegKey &key) = 0;

    // RegQueryValueExA. size goes in as the length of data in bytes and comes
    // back as the number of bytes stored, or as the number needed together
    // with ERROR_MORE_DATA. data may be null to ask for the size alone.
    virtual RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                                 unsigned char *data, std::uint32_t &size) = 0;

    // RegCloseKey.
    virtual RegStatus closeKey(RegKey key) = 0;

    // Text bytes of a value, decoded by the ANSI code page into UTF-8, as
    // the file test and the starter take a path.
    virtual std::string ansiToUtf8(std::string_view bytes) const = 0;
};

// The registry of the system the program runs on.
Registry &systemRegistry();

} // namespace platform
