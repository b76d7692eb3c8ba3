#include "compose/quoteescape.h"

namespace {

constexpr QStringView EscapedQuote = u"&quot;";

} // namespace

void appendQuoteEscaped(QString &out, QStringView text)
{
    // One pass: each run up to the next quote is copied whole.
    for (qsizetype quote; (quote = text.indexOf(u'"')) >= 0; text = text.sliced(quote + 1)) {
        out += text.first(quote);
        out += EscapedQuote;
    }
    out += text;
}
