#include "tagcomposer.h"

#include <QVarLengthArray>

#include <cstring>

namespace {

constexpr QStringView EscapedQuote = u"&quot;";

// Where the next double quote of text stands at or after from, or -1.
// memchr looks for the quote's byte 0x22 far faster than a loop over the
// characters can; a hit inside another character (U+0122, U+2200 …) is
// passed over.
qsizetype findQuote(QStringView text, qsizetype from)
{
    const auto *begin = reinterpret_cast<const char *>(text.data());
    const auto *end = reinterpret_cast<const char *>(text.data() + text.size());
    for (const auto *at = reinterpret_cast<const char *>(text.data() + from); at < end; ++at) {
        at = static_cast<const char *>(std::memchr(at, '"', std::size_t(end - at)));
        if (!at)
            break;
        const qsizetype index = (at - begin) / qsizetype(sizeof(QChar));
        if (text[index] == u'"')
            return index;
    }
    return -1;
}

// The double quotes of the user's texts, found once while measuring and
// read back while writing: for each text in turn, its quotes' positions
// and then -1.
using QuotePositions = QVarLengthArray<qsizetype, 32>;

// The block is walked twice by the same steps: once to measure it, once to
// write it into a string of exactly that length, so that each value is
// copied once and the block never grows.
class Measure
{
public:
    explicit Measure(QuotePositions &quotes) : m_quotes(quotes) {}

    void append(QStringView text) { m_length += text.size(); }

    void appendQuoted(QStringView text)
    {
        m_length += text.size();
        for (qsizetype quote = findQuote(text, 0); quote >= 0; quote = findQuote(text, quote + 1)) {
            m_quotes.append(quote);
            m_length += EscapedQuote.size() - 1;
        }
        m_quotes.append(-1);
    }

    qsizetype length() const { return m_length; }

private:
    QuotePositions &m_quotes;
    qsizetype m_length = 0;
};

class Writer
{
public:
    Writer(qsizetype length, const QuotePositions &quotes)
        : m_text(length, Qt::Uninitialized), m_end(m_text.data()), m_quotes(quotes)
    {
    }

    void append(QStringView text)
    {
        Q_ASSERT(text.size() <= m_text.constData() + m_text.size() - m_end);
        if (!text.isEmpty())
            std::memcpy(m_end, text.data(), std::size_t(text.size()) * sizeof(QChar));
        m_end += text.size();
    }

    // Each " becomes &quot;, the rest copied straight into the block.
    void appendQuoted(QStringView text)
    {
        qsizetype from = 0;
        for (qsizetype quote; (quote = m_quotes[m_nextQuote++]) >= 0; from = quote + 1) {
            append(text.sliced(from, quote - from));
            append(EscapedQuote);
        }
        append(text.sliced(from));
    }

    qsizetype length() const { return m_end - m_text.constData(); }
    QString take() { return std::move(m_text); }

private:
    QString m_text;
    QChar *m_end;
    const QuotePositions &m_quotes;
    qsizetype m_nextQuote = 0;
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
    QuotePositions quotes;
    Measure measure(quotes);
    composeInto(measure, request, templates);
    Writer writer(measure.length(), quotes);
    composeInto(writer, request, templates);
    Q_ASSERT(writer.length() == measure.length());
    return writer.take();
}
