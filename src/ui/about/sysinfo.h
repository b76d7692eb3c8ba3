#pragma once

#include "platform/registry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class Registry;
class System;
} // namespace platform

// The about dialog's launcher of the operating system's system-information
// tool, and its registry reader. Plain C++: the dialog passes in the
// registry, the system services and its message box.

// Shows one message: caption the application title, OK only, no icon.
using MessageBoxFn = std::function<void(const std::string &utf8Text)>;

// "Les informations système ne sont pas disponibles actuellement", UTF-8.
extern const char SysInfoUnavailableMessage[];

// Bytes of a value read from the registry: how many GetKeyValue hands over.
inline constexpr std::uint32_t KeyValueBufferSize = 1024;

// Finds the tool in the registry under HKEY_LOCAL_MACHINE, first the full
// path it records, then the folder that holds MSINFO32.EXE, and starts it
// without waiting. Any failure ends in the one message; nothing is thrown.
void StartSysInfo(platform::Registry &registry, platform::System &system, const MessageBoxFn &showMessage);

// Reads the value SubKeyRef of the key KeyName under KeyRoot, opened for
// reading only, into KeyVal as text. False, with KeyVal emptied, when the key
// or the value is missing or cannot be read, or the data is longer than
// KeyValueBufferSize. A value neither text nor number leaves KeyVal as it was
// and still gives true.
bool GetKeyValue(platform::Registry &registry, platform::RegRoot KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal);

// Turns bytes in the registry's ANSI code page into UTF-8.
using AnsiToUtf8 = std::function<std::string(std::string_view bytes)>;

// The text of a value of the given type from its size bytes of data:
// REG_SZ up to its first zero byte, decoded by ansiToUtf8; REG_DWORD (four
// bytes, little-endian) as the number in decimal. Nothing for any other type
// or a REG_DWORD of another size. data may be null when size is 0.
std::optional<std::string> decodeKeyValue(std::uint32_t type, const unsigned char *data, std::size_t size,
                                          const AnsiToUtf8 &ansiToUtf8);
