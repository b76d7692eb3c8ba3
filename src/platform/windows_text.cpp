#include "platform/windows_text.h"

#include <windows.h>

namespace platform::windows {

namespace {

std::wstring toWide(unsigned codePage, std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const int length =
        MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), wide.data(), length);
    return wide;
}

std::string fromWide(unsigned codePage, std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string bytes(std::size_t(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

} // namespace

std::wstring wideFromUtf8(std::string_view text)
{
    return toWide(CP_UTF8, text);
}

std::string ansiFromUtf8(std::string_view text)
{
    return fromWide(CP_ACP, toWide(CP_UTF8, text));
}

std::string utf8FromAnsi(std::string_view bytes)
{
    return fromWide(CP_UTF8, toWide(CP_ACP, bytes));
}

} // namespace platform::windows
