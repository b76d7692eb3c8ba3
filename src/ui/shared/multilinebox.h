#pragma once

#include <QPlainTextEdit>

// A text box of several lines whose text uses CR LF between lines, as the
// generated block does, whatever the editor keeps inside. It may limit the
// length of that text (a line break counts as its two characters): typing
// stops at the limit and a paste is cut at it. Tab moves the focus on.
class MultiLineBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineBox(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // 0: no limit
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength) { m_maxLength = maxLength; }

    // The editor's own text turned into CR LF text, and back.
    static QString toCrLf(const QString &raw);
    static QString fromCrLf(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // How many characters of CR LF text may still be inserted in place of
    // the selection; a large number without a limit.
    qsizetype room() const;
    // text cut to at most room characters, never between CR and LF
    static QString cutToRoom(const QString &text, qsizetype room);

    int m_maxLength = 0;
};
