#include "tagcomposer.h"

QString quoteAttributeValue(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'"', QLatin1String("&quot;"));
    return quoted;
}

namespace {

class Block
{
public:
    explicit Block(const TagTemplates &templates) : m_templates(templates) { m_text.reserve(1024); }

    void line(QStringView text)
    {
        m_text += LineBreak;
        m_text += text;
    }

    // opener + value + closer, the value inserted as it is
    void valueLine(const QString &opener, QStringView value)
    {
        m_text += LineBreak;
        m_text += opener;
        m_text += value;
        m_text += m_templates.Text8;
    }

    void userLine(const QString &opener, const QString &userText)
    {
        valueLine(opener, quoteAttributeValue(userText));
    }

    template<typename Table>
    void choice(const Table &table, QStringView text, const QString &opener)
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
    const TagTemplates &m_templates;
    QString m_text;
};

} // namespace

QString composeTags(const TagRequest &request, const TagTemplates &templates)
{
    Block block(templates);
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
