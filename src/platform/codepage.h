#pragma once

#include <string>
#include <string_view>

namespace platform {

// Bytes of a code page that is UTF-8, as valid UTF-8: every ill-formed
// sequence (stray continuation bytes, overlong forms, surrogates, code points
// above U+10FFFF, a cut-off sequence) becomes one U+FFFD per maximal bad
// subpart, as Unicode recommends; zero bytes pass through.
std::string utf8FromUtf8CodePage(std::string_view bytes);

} // namespace platform
