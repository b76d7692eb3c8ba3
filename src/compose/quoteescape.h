#pragma once

#include <QList>
#include <QStringView>

// What each double quote becomes.
inline constexpr QStringView EscapedQuote = u"&quot;";

// The double quotes of a user text, counted, and written out as &quot;
// with the rest of the text copied unchanged. Large texts are the common
// case worth speeding up (a description pasted whole), so each processor
// gets the widest vector instructions it has.
struct QuoteEscaper
{
    const char *name;

    // The number of " in text.
    qsizetype (*count)(QStringView text);

    // Writes text to out, each " as &quot;, and returns the end of what it
    // wrote: out + text.size() + 5 × count(text). Nothing past that end is
    // written, and everything before it is final.
    char16_t *(*escape)(QStringView text, char16_t *out);
};

// The fastest escaper this processor runs, chosen once.
const QuoteEscaper &quoteEscaper();

// Every escaper this processor runs, the portable one first.
QList<QuoteEscaper> availableQuoteEscapers();
