#include "codepage.h"

namespace platform {

std::string utf8FromUtf8CodePage(std::string_view bytes)
{
    static constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text += bytes[i++];
            continue;
        }
        // Well-formed sequences: the lead byte fixes how many continuation
        // bytes follow and the range of the first of them.
        std::size_t needed = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            needed = 1;
        } else if (lead == 0xE0) {
            needed = 2, low = 0xA0; // no overlong forms
        } else if ((lead >= 0xE1 && lead <= 0xEC) || lead == 0xEE || lead == 0xEF) {
            needed = 2;
        } else if (lead == 0xED) {
            needed = 2, high = 0x9F; // no surrogates
        } else if (lead == 0xF0) {
            needed = 3, low = 0x90;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            needed = 3;
        } else if (lead == 0xF4) {
            needed = 3, high = 0x8F; // nothing above U+10FFFF
        } else {
            text += Replacement;
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        std::size_t taken = 0;
        while (taken < needed && end < bytes.size()) {
            const auto next = static_cast<unsigned char>(bytes[end]);
            if (next < (taken == 0 ? low : 0x80) || next > (taken == 0 ? high : 0xBF))
                break;
            ++end;
            ++taken;
        }
        if (taken == needed)
            text += bytes.substr(i, end - i);
        else
            text += Replacement;
        i = end;
    }
    return text;
}

} // namespace platform
