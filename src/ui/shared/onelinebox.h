#pragma once

#include <QClipboard>
#include <QLineEdit>

// A one-line text box whose maxLength is kept as TextLimit says: what is
// pasted, dropped or committed by an input method is cut at a whole
// character, and a typed character that does not fit whole is refused with a
// beep. QLineEdit's own cut, which counts units only and may split a pair,
// stays behind as a net that is never reached.
class OneLineBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit OneLineBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Units that may still be inserted in place of the selection and of the
    // range an input method replaces.
    qsizetype room(int replacementStart = 0, int replacementLength = 0) const;
    // Pastes from the clipboard or the X11 selection, cut to the room left.
    void pasteFrom(QClipboard::Mode mode);
};
