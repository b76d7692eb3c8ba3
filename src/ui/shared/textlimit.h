#pragma once

#include <QString>

class QKeyEvent;

// The rule of the boxes with a length limit. The limit counts UTF-16 units,
// a line break as its CR LF. What is pasted, dropped or committed by an input
// method is cut to the room left, never inside a surrogate pair or between
// CR and LF; a typed character that does not fit whole is refused.
namespace TextLimit {

// text cut to at most room units, ending on a whole character
QString cutToRoom(const QString &text, qsizetype room);

// text without the selection, then without length units from start, counted
// from where the selection began: what is left once an input method's commit
// has removed what it replaces. A range past the end removes nothing.
QString withoutReplaced(QString text, qsizetype selectionStart, qsizetype selectionLength,
                        qsizetype start, qsizetype length);

// Whether Qt's editors insert the text of this key press: a printable or
// private-use character, a surrogate pair, or a formatting character, and
// not with Ctrl alone or Ctrl and Shift held.
bool insertsText(const QKeyEvent *event);

} // namespace TextLimit
