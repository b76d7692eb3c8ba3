// Fuzzes the decoding of a registry value into text: the first byte is the
// value type, the rest its data, cut to the reader's buffer.
#include "ui/about/sysinfo_registry.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

    // Decoding the ANSI code page is Windows' own work; this converter records
    // what it is given and brackets what it gives back.
    std::vector<std::string> decoded;
    const auto ansiToUtf8 = [&decoded](std::string_view bytes) {
        decoded.emplace_back(bytes);
        return "[" + decoded.back() + "]";
    };
    const std::optional<std::string> text = decodeKeyValue(type, data, size, ansiToUtf8);

    switch (type) {
    case platform::RegSz: {
        check(text.has_value(), "REG_SZ always gives a text");
        if (size == 0) {
            check(text->empty() && decoded.empty(), "no data is the empty text");
            break;
        }
        const std::string upToZero(reinterpret_cast<const char *>(data),
                                   std::find(data, data + size, 0) - data);
        check(decoded == std::vector<std::string>{upToZero},
              "the bytes before the first zero are decoded, once");
        check(*text == "[" + upToZero + "]", "the text is what the code page gives");
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
