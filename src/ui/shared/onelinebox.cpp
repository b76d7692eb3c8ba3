#include "ui/shared/onelinebox.h"

#include "ui/shared/textlimit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

OneLineBox::OneLineBox(QWidget *parent) : QLineEdit(parent) { }

qsizetype OneLineBox::room(int replacementStart, int replacementLength) const
{
    const qsizetype from = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString left = TextLimit::withoutReplaced(text(), from, selectedText().size(),
                                                    replacementStart, replacementLength);
    return qMax<qsizetype>(0, maxLength() - left.size());
}

void OneLineBox::pasteFrom(QClipboard::Mode mode)
{
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    const qsizetype room = this->room();
    if (mode == QClipboard::Clipboard && pasted.size() <= room) {
        paste(); // QLineEdit's own, which keeps the paste a step of its own for undo
        return;
    }
    if (pasted.isEmpty() && !hasSelectedText())
        return;
    const QString kept = TextLimit::cutToRoom(pasted, room);
    if (kept.size() < pasted.size())
        QApplication::beep();
    insert(kept);
}

void OneLineBox::keyPressEvent(QKeyEvent *event)
{
    if (!isReadOnly()) {
        if (event->matches(QKeySequence::Paste)) {
            // Shift+Ctrl+Insert pastes the selection where there is one, as in
            // QLineEdit.
            const bool selection = event->key() == Qt::Key_Insert
                && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
                && QGuiApplication::clipboard()->supportsSelection();
            pasteFrom(selection ? QClipboard::Selection : QClipboard::Clipboard);
            event->accept();
            return;
        }
        if (TextLimit::insertsText(event) && event->text().size() > room()) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void OneLineBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (!isReadOnly() && !committed.isEmpty()) {
        const QString kept = TextLimit::cutToRoom(
            committed, room(event->replacementStart(), event->replacementLength()));
        if (kept.size() < committed.size()) {
            QApplication::beep();
            QInputMethodEvent cut(event->preeditString(), event->attributes());
            cut.setCommitString(kept, event->replacementStart(), event->replacementLength());
            QLineEdit::inputMethodEvent(&cut);
            event->setAccepted(cut.isAccepted());
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void OneLineBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the X11 selection at the cursor.
    if (event->button() == Qt::MiddleButton && !isReadOnly()
        && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void OneLineBox::dropEvent(QDropEvent *event)
{
    const QString dropped = event->mimeData()->text();
    // A drop inserts at the drop point, the selection kept.
    const qsizetype room = qMax<qsizetype>(0, maxLength() - text().size());
    if (isReadOnly() || dropped.size() <= room) {
        QLineEdit::dropEvent(event);
        return;
    }
    QApplication::beep();
    QMimeData kept;
    kept.setText(TextLimit::cutToRoom(dropped, room));
    QDropEvent cut(event->position(), event->possibleActions(), &kept, event->buttons(),
                   event->modifiers(), event->type());
    cut.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&cut);
    event->setDropAction(cut.dropAction());
    event->setAccepted(cut.isAccepted());
}

void OneLineBox::contextMenuEvent(QContextMenuEvent *event)
{
    // QLineEdit's own menu, its paste entry turned to ours. Qt 6.4 names
    // that entry by its text alone; later versions also by an object name.
    QMenu *menu = createStandardContextMenu();
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->objectName() == u"edit-paste"
            || action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) {
            action->disconnect(this); // from QLineEdit::paste, however it was connected
            connect(action, &QAction::triggered, this,
                    [this] { pasteFrom(QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
