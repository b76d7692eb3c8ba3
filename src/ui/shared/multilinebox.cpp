#include "ui/shared/multilinebox.h"

#include "ui/shared/textlimit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

MultiLineBox::MultiLineBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

QString MultiLineBox::toCrLf(const QString &raw)
{
    QString text = raw;
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

QString MultiLineBox::fromCrLf(const QString &text)
{
    QString raw = text;
    raw.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return raw;
}

QString MultiLineBox::text() const
{
    // toPlainText() would also turn no-break spaces into plain ones.
    return toCrLf(document()->toRawText());
}

void MultiLineBox::setText(const QString &text)
{
    setPlainText(fromCrLf(text));
}

qsizetype MultiLineBox::room(int replacementStart, int replacementLength) const
{
    if (m_maxLength <= 0)
        return std::numeric_limits<qsizetype>::max();
    // Positions in the document are indexes in its raw text.
    const QTextCursor cursor = textCursor();
    const QString left = TextLimit::withoutReplaced(
        document()->toRawText(), cursor.selectionStart(),
        cursor.selectionEnd() - cursor.selectionStart(), replacementStart, replacementLength);
    return qMax<qsizetype>(0, m_maxLength - toCrLf(left).size());
}

QString MultiLineBox::lineBreaksAsCrLf(const QString &text)
{
    QString crLf = text;
    crLf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crLf.replace(u'\r', u'\n');
    crLf.replace(QChar::LineSeparator, u'\n');
    crLf.replace(QChar::ParagraphSeparator, u'\n');
    crLf.replace(u'\n', QLatin1String("\r\n"));
    return crLf;
}

void MultiLineBox::keyPressEvent(QKeyEvent *event)
{
    if (m_maxLength > 0 && !isReadOnly()) {
        QString typed;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            typed = QStringLiteral("\r\n");
        else if (TextLimit::insertsText(event))
            typed = event->text();
        if (!typed.isEmpty() && typed.size() > room()) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    if (m_maxLength <= 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString pasted = lineBreaksAsCrLf(source->text());
    const QString kept = TextLimit::cutToRoom(pasted, room());
    if (kept.size() < pasted.size())
        QApplication::beep();
    textCursor().insertText(fromCrLf(kept));
    ensureCursorVisible();
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_maxLength > 0 && !event->commitString().isEmpty()) {
        const QString committed = lineBreaksAsCrLf(event->commitString());
        const QString kept = TextLimit::cutToRoom(
            committed, room(event->replacementStart(), event->replacementLength()));
        if (kept.size() < committed.size()) {
            QApplication::beep();
            QInputMethodEvent cut(event->preeditString(), event->attributes());
            cut.setCommitString(fromCrLf(kept), event->replacementStart(),
                                event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&cut);
            event->setAccepted(cut.isAccepted());
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}
