#include "tagcomposer.h"

#include "quoteescape.h"

#include <QVarLengthArray>

#include <cstring>

namespace {

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
        const qsizetype quotes = m_escaper.count(text);
        m_quotes.append(quotes);
        m_length += text.size() + quotes * (EscapedQuote.size() - 1);
    }

    qsizetype length() const { return m_length; }

private:
    QuoteCounts &m_quotes;
    qsizetype m_length = 0;
    const QuoteEscaper &m_escaper = quoteEscaper();
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
        const qsizetype quotes = m_quotes[m_nextText++];
        if (quotes == 0) {
            append(text);
            return;
        }
        Q_ASSERT(text.size() + quotes * (EscapedQuote.size() - 1) <= room());
        m_end = m_escaper.escape(text, m_end);
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
    const QuoteEscaper &m_escaper = quoteEscaper();
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
