#pragma once

#include <QPlainTextEdit>

// A text box of several lines whose text uses CR LF between lines, as the
// generated block does, whatever the editor keeps inside. It may limit the
// length of that text as TextLimit says (a line break counts as its two
// characters): typing stops at the limit, and a paste, a drop or an input
// method's commit is cut at it. Tab moves the focus on.
class MultiLineBox : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit MultiLineBox(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // 0: no limit
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength) { m_maxLength = maxLength; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // The editor's own text turned into CR LF text, and back.
    static QString toCrLf(const QString &raw);
    static QString fromCrLf(const QString &text);
    // How many characters of CR LF text may still be inserted in place of
    // the selection and of the replaced range an input method names; a
    // large number without a limit.
    qsizetype room(int replacementStart = 0, int replacementLength = 0) const;
    // Inserted text with every kind of line break the editor knows (CR LF,
    // CR, LF, line and paragraph separators) as the CR LF it counts as.
    static QString lineBreaksAsCrLf(const QString &text);

    int m_maxLength = 0;
};
