#pragma once

#include "ui/about/sysinfo.h"

#include "platform/registry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class System;
} // namespace platform

// How the launcher finds the tool: in the registry under HKEY_LOCAL_MACHINE,
// then as the system finds it otherwise. Plain C++ over the registry and
// system services passed in, so that the tests and the fuzzer bring theirs.

// Bytes of a value read from the registry: how many GetKeyValue hands over.
inline constexpr std::uint32_t KeyValueBufferSize = 1024;

// StartSysInfo with the registry's two sources, first the full path it
// records, then the folder that holds MSINFO32.EXE, and last the system's
// own search.
void StartSysInfo(platform::Registry &registry, platform::System &system,
                  const MessageBoxFn &showMessage);

// Reads the value SubKeyRef of the key KeyName under KeyRoot, opened for
// reading only, into KeyVal as text. False, with KeyVal emptied, when the key
// or the value is missing or cannot be read, or the data is longer than
// KeyValueBufferSize. A value neither text nor number leaves KeyVal as it was
// and still gives true.
bool GetKeyValue(platform::Registry &registry, platform::RegRoot KeyRoot,
                 const std::string &KeyName, const std::string &SubKeyRef, std::string &KeyVal);

// Turns bytes in the registry's ANSI code page into UTF-8.
using AnsiToUtf8 = std::function<std::string(std::string_view bytes)>;

// The text of a value of the given type from its size bytes of data:
// REG_SZ up to its first zero byte, decoded by ansiToUtf8; REG_DWORD (four
// bytes, little-endian) as the number in decimal. Nothing for any other type
// or a REG_DWORD of another size. data may be null when size is 0.
std::optional<std::string> decodeKeyValue(std::uint32_t type, const unsigned char *data,
                                          std::size_t size, const AnsiToUtf8 &ansiToUtf8);
