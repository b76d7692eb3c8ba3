#include "multilinebox.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

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

qsizetype MultiLineBox::room() const
{
    if (m_maxLength <= 0)
        return std::numeric_limits<qsizetype>::max();
    const qsizetype selected = toCrLf(textCursor().selectedText()).size();
    return qMax<qsizetype>(0, m_maxLength - (text().size() - selected));
}

QString MultiLineBox::cutToRoom(const QString &text, qsizetype room)
{
    if (text.size() <= room)
        return text;
    qsizetype end = room;
    if (end > 0 && text.at(end - 1) == u'\r' && text.at(end) == u'\n')
        --end;
    return text.left(end);
}

void MultiLineBox::keyPressEvent(QKeyEvent *event)
{
    if (m_maxLength > 0 && !isReadOnly()) {
        QString typed;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            typed = QStringLiteral("\r\n");
        else if (!event->text().isEmpty() && event->text().at(0).isPrint()
                 && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
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
    QString pasted = source->text();
    pasted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    pasted.replace(u'\r', u'\n');
    pasted.replace(u'\n', QLatin1String("\r\n"));
    const QString kept = cutToRoom(pasted, room());
    if (kept.size() < pasted.size())
        QApplication::beep();
    textCursor().insertText(fromCrLf(kept));
    ensureCursorVisible();
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_maxLength > 0 && !event->commitString().isEmpty()) {
        const QString kept = cutToRoom(event->commitString(), room());
        if (kept != event->commitString()) {
            QInputMethodEvent cut(event->preeditString(), event->attributes());
            cut.setCommitString(kept, event->replacementStart(), event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&cut);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}
