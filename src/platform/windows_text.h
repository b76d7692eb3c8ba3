#pragma once

#include <string>
#include <string_view>

// Text conversions of the Windows backend, between the program's UTF-8, the
// UTF-16 of the wide functions and the ANSI code page of the registry's A
// functions. A text that does not convert gives the empty text.
namespace platform::windows {

std::wstring wideFromUtf8(std::string_view text);
std::string ansiFromUtf8(std::string_view text);
std::string utf8FromAnsi(std::string_view bytes);

} // namespace platform::windows
