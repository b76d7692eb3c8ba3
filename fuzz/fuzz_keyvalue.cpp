// Fuzzes the decoding of a registry value into text: the first byte is the
// value type, the rest its data, cut to the reader's buffer.
#include "sysinfo_registry.h"

#include "platform/codepage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *input, std::size_t length)
{
    if (length == 0)
        return 0;
    const std::uint32_t type = input[0];
    const unsigned char *data = length > 1 ? input + 1 : nullptr;
    const std::size_t size = std::min<std::size_t>(length - 1, KeyValueBufferSize);

    const std::optional<std::string> text = decodeKeyValue(type, data, size, platform::utf8FromUtf8CodePage);

    switch (type) {
    case platform::RegSz: {
        check(text.has_value(), "REG_SZ always gives a text");
        const std::size_t end = size ? std::find(data, data + size, 0) - data : 0;
        check(text->find('\0') == std::string::npos, "no zero character in a REG_SZ text");
        check(text->size() <= 3 * end, "at most one U+FFFD per byte");
        check(platform::utf8FromUtf8CodePage(*text) == *text, "the text is valid UTF-8");
        if (std::all_of(data, data + end, [](unsigned char byte) { return byte < 0x80; }))
            check(*text == std::string(reinterpret_cast<const char *>(data), end), "ASCII passes unchanged");
        break;
    }
    case platform::RegDword: {
        check(text.has_value() == (size == 4), "a REG_DWORD has four bytes");
        if (!text)
            break;
        std::uint32_t number = 0;
        std::memcpy(&number, data, 4); // little-endian machines only
        check(*text == std::to_string(number), "the number in decimal");
        break;
    }
    default:
        check(!text.has_value(), "other types give no text");
    }
    return 0;
}
