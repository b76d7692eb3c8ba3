#include "ui/shared/textlimit.h"

#include <QKeyEvent>

namespace TextLimit {

QString cutToRoom(const QString &text, qsizetype room)
{
    if (text.size() <= room)
        return text;
    qsizetype end = qMax<qsizetype>(0, room);
    if (end > 0) {
        const QChar last = text.at(end - 1);
        const QChar next = text.at(end);
        if ((last.isHighSurrogate() && next.isLowSurrogate()) || (last == u'\r' && next == u'\n'))
            --end;
    }
    return text.left(end);
}

QString withoutReplaced(QString text, qsizetype selectionStart, qsizetype selectionLength,
                        qsizetype start, qsizetype length)
{
    text.remove(selectionStart, selectionLength);
    if (length > 0) {
        const qsizetype from = qMax<qsizetype>(0, selectionStart + start);
        if (from + length <= text.size())
            text.remove(from, length);
    }
    return text;
}

bool insertsText(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar first = text.at(0);
    if (first.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse
        || (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

} // namespace TextLimit
