#include "tagcomposer.h"

#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr QStringView EscapedQuote = u"&quot;";

// Where the compiler can make a copy of a function for AVX2 and pick it at
// start-up, the count below takes it: a plain loop the compiler turns into
// vector compares, sixteen units at a time.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define QUILLORA_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUILLORA_VECTOR_CLONES
#endif

// The double quotes in text, summed in 16 bits over up to 65535 units.
QUILLORA_VECTOR_CLONES
qsizetype countQuotes(QStringView text)
{
    const char16_t *in = text.utf16();
    qsizetype count = 0;
    for (qsizetype left = text.size(); left > 0;) {
        const qsizetype units = std::min<qsizetype>(left, 65535);
        quint16 sum = 0;
        for (qsizetype i = 0; i < units; ++i)
            sum += in[i] == u'"';
        count += sum;
        in += units;
        left -= units;
    }
    return count;
}

#if defined(__SSE2__)
// Texts are searched for their quotes 32 UTF-16 units at a time, as four
// blocks that SSE2 compares with eight double quotes at once.
constexpr qsizetype ChunkUnits = 32;

// One bit for each of the 32 units at at, set where a double quote stands.
uint quoteBits(const char16_t *at)
{
    const __m128i quote = _mm_set1_epi16(u'"');
    const auto quotesIn = [&](int block) {
        const auto *units = reinterpret_cast<const __m128i *>(at + 8 * block);
        return _mm_cmpeq_epi16(_mm_loadu_si128(units), quote);
    };
    // Packing two blocks' all-ones units to bytes gives one bit a unit.
    const auto half = [&](int block) {
        return uint(_mm_movemask_epi8(_mm_packs_epi16(quotesIn(block), quotesIn(block + 1))));
    };
    return half(0) | half(2) << 16;
}
#endif

// The block is walked twice by the same steps: once to measure it, once to
// write it into a string of exactly that length, so that each value is
// copied once and the block never grows.
//
// The measure counts the double quotes of each user text; the writer copies
// a text without any in one piece.
using QuoteCounts = QVarLengthArray<qsizetype, 8>;

class Measure
{
public:
    explicit Measure(QuoteCounts &quotes) : m_quotes(quotes) {}

    void append(QStringView text) { m_length += text.size(); }

    void appendQuoted(QStringView text)
    {
        const qsizetype quotes = countQuotes(text);
        m_quotes.append(quotes);
        m_length += text.size() + quotes * (EscapedQuote.size() - 1);
    }

    qsizetype length() const { return m_length; }

private:
    QuoteCounts &m_quotes;
    qsizetype m_length = 0;
};

class Writer
{
public:
    Writer(qsizetype length, const QuoteCounts &quotes)
        : m_text(length, Qt::Uninitialized), m_begin(reinterpret_cast<char16_t *>(m_text.data())),
          m_end(m_begin), m_quotes(quotes)
    {
    }

    void append(QStringView text)
    {
        Q_ASSERT(text.size() <= room());
        if (!text.isEmpty())
            std::memcpy(m_end, text.data(), std::size_t(text.size()) * sizeof(QChar));
        m_end += text.size();
    }

    // Each " becomes &quot;, the rest copied straight into the block.
    void appendQuoted(QStringView text)
    {
        if (m_quotes[m_nextText++] == 0) {
            append(text);
            return;
        }
        // The runs between quotes are copied whole, each quote written as
        // &quot;.
        const char16_t *in = text.utf16();
        const char16_t *const end = in + text.size();
        const char16_t *from = in;
        const auto escape = [&](const char16_t *quote) {
            append(QStringView(from, quote));
            append(EscapedQuote);
            from = quote + 1;
        };
#if defined(__SSE2__)
        for (; end - in >= ChunkUnits; in += ChunkUnits) {
            for (uint quotes = quoteBits(in); quotes; quotes &= quotes - 1)
                escape(in + qCountTrailingZeroBits(quotes));
        }
#endif
        for (; in < end; ++in) {
            if (*in == u'"')
                escape(in);
        }
        append(QStringView(from, end));
    }

    qsizetype length() const { return m_end - m_begin; }
    QString take() { return std::move(m_text); }

private:
    qsizetype room() const { return m_begin + m_text.size() - m_end; }

    QString m_text;
    char16_t *const m_begin;
    char16_t *m_end;
    const QuoteCounts &m_quotes;
    qsizetype m_nextText = 0;
};

template<typename Out>
class Block
{
public:
    Block(Out &out, const TagTemplates &templates) : m_out(out), m_templates(templates) {}

    void line(QStringView text)
    {
        m_out.append(LineBreak);
        m_out.append(text);
    }

    // opener + value + closer, the value inserted as it is
    void valueLine(QStringView opener, QStringView value)
    {
        m_out.append(LineBreak);
        m_out.append(opener);
        m_out.append(value);
        m_out.append(m_templates.Text8);
    }

    void userLine(QStringView opener, QStringView userText)
    {
        m_out.append(LineBreak);
        m_out.append(opener);
        m_out.appendQuoted(userText);
        m_out.append(m_templates.Text8);
    }

    template<typename Table>
    void choice(const Table &table, QStringView text, QStringView opener)
    {
        if (const auto *row = findChoice(table, text))
            valueLine(opener, row->value);
    }

    template<typename Table>
    void wholeLineChoice(const Table &table, QStringView text)
    {
        if (const auto *row = findChoice(table, text))
            line(m_templates.*(row->line));
    }

    void options(const TagRequest &request, std::size_t first, std::size_t last)
    {
        for (std::size_t i = first; i < last; ++i) {
            if (request.*(OptionLines[i].option) == 1)
                line(m_templates.*(OptionLines[i].line));
        }
    }

private:
    Out &m_out;
    const TagTemplates &m_templates;
};

template<typename Out>
void composeInto(Out &out, const TagRequest &request, const TagTemplates &templates)
{
    Block<Out> block(out, templates);
    block.line(OpeningComment);
    block.userLine(templates.Text7, request.title);
    block.userLine(templates.Text9, request.author);
    block.options(request, 0, 2);
    block.choice(LanguageCodes, request.language, templates.Text13);
    block.choice(RatingValues, request.rating, templates.Text14);
    block.userLine(templates.Text10, request.replyTo);
    block.userLine(templates.Text11, request.description);
    block.userLine(templates.Text12, request.keywords);
    block.wholeLineChoice(RobotsChoices, request.robots);
    block.wholeLineChoice(RevisitChoices, request.revisit);
    block.options(request, 2, 4);
    block.line(ClosingComment);
}

} // namespace

QString quoteAttributeValue(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'"', QLatin1String("&quot;"));
    return quoted;
}

QString composeTags(const TagRequest &request, const TagTemplates &templates)
{
    QuoteCounts quotes;
    Measure measure(quotes);
    composeInto(measure, request, templates);
    Writer writer(measure.length(), quotes);
    composeInto(writer, request, templates);
    Q_ASSERT(writer.length() == measure.length());
    return writer.take();
}
