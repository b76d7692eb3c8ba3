#include "compose/tagcomposer.h"

#include "compose/quoteescape.h"

namespace {

// Room for the fixed lines around the user's texts: the default templates
// make at most 666 characters of them. Quotes and longer templates grow
// the block as it goes.
constexpr qsizetype FixedRoom = 1024;

// The block, written line by line into a string reserved for it.
class Block
{
public:
    Block(const TagRequest &request, const TagTemplates &templates) : m_templates(templates)
    {
        m_text.reserve(FixedRoom + request.title.size() + request.author.size()
                       + request.replyTo.size() + request.description.size()
                       + request.keywords.size());
    }

    void line(QStringView text)
    {
        m_text += LineBreak;
        m_text += text;
    }

    // opener + value + closer, the value inserted as it is
    void valueLine(QStringView opener, QStringView value)
    {
        m_text += LineBreak;
        m_text += opener;
        m_text += value;
        m_text += m_templates.Text8;
    }

    void userLine(QStringView opener, QStringView userText)
    {
        m_text += LineBreak;
        m_text += opener;
        appendQuoteEscaped(m_text, userText);
        m_text += m_templates.Text8;
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

    QString take() { return std::move(m_text); }

private:
    QString m_text;
    const TagTemplates &m_templates;
};

} // namespace

QString composeTags(const TagRequest &request, const TagTemplates &templates)
{
    Block block(request, templates);
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
    return block.take();
}
