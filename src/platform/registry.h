#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The part of the Windows registry the about dialog reads, as an interface:
// the Win32 functions RegOpenKeyExA, RegQueryValueExA and RegCloseKey with
// their status codes, value types and buffer sizes. On Windows it is the real
// registry; elsewhere a read-only stand-in answers the one question asked.
namespace platform {

// Predefined roots. The Windows backend maps them to the real handles (on
// 64-bit Windows those are sign-extended pointers, never these numbers).
enum class RegRoot : std::uint32_t {
    LocalMachine = 0x80000002u, // HKEY_LOCAL_MACHINE
};

// Win32 status codes.
using RegStatus = long;
inline constexpr RegStatus ErrorSuccess = 0;
inline constexpr RegStatus ErrorFileNotFound = 2;
inline constexpr RegStatus ErrorAccessDenied = 5;
inline constexpr RegStatus ErrorInvalidHandle = 6;
inline constexpr RegStatus ErrorMoreData = 234;

// Access rights of a key.
inline constexpr std::uint32_t KeyQueryValue = 0x0001;
inline constexpr std::uint32_t KeySetValue = 0x0002;
inline constexpr std::uint32_t KeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t KeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t KeyNotify = 0x0010;
inline constexpr std::uint32_t KeyCreateLink = 0x0020;
inline constexpr std::uint32_t Delete = 0x00010000;
inline constexpr std::uint32_t ReadControl = 0x00020000;
inline constexpr std::uint32_t WriteDac = 0x00040000;
inline constexpr std::uint32_t WriteOwner = 0x00080000;
// KEY_READ, 0x20019: all an ordinary user may ask of HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t KeyRead = ReadControl | KeyQueryValue | KeyEnumerateSubKeys | KeyNotify;
// Every right that changes something.
inline constexpr std::uint32_t KeyWriteRights =
    KeySetValue | KeyCreateSubKey | KeyCreateLink | Delete | WriteDac | WriteOwner;

// Value types.
inline constexpr std::uint32_t RegNone = 0;
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegExpandSz = 2;
inline constexpr std::uint32_t RegBinary = 3;
inline constexpr std::uint32_t RegDword = 4;
inline constexpr std::uint32_t RegDwordBigEndian = 5;
inline constexpr std::uint32_t RegLink = 6;
inline constexpr std::uint32_t RegMultiSz = 7;
inline constexpr std::uint32_t RegQword = 11;

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
    // with ErrorMoreData. data may be null to ask for the size alone.
    virtual RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                                 unsigned char *data, std::uint32_t &size) = 0;

    // RegCloseKey.
    virtual RegStatus closeKey(RegKey key) = 0;

    // Text bytes of a value, as the file test and the starter of this
    // system take a path: decoded by the ANSI code page into UTF-8 on
    // Windows, handed on unchanged where a path is bytes.
    virtual std::string ansiToUtf8(std::string_view bytes) const = 0;
};

// The registry of this operating system, or its stand-in.
Registry &systemRegistry();

} // namespace platform
