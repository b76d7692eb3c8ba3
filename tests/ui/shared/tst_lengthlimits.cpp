// The two limited fields of the main window, Text3 (200) and Text4 (400),
// fed characters that do not fit whole: what they keep and what the
// generated block then holds, byte for byte.
#include "form1.h"
#include "multilinebox.h"
#include "tagtemplates.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

enum class Way { Paste, ContextMenu, MiddleClick, Typing, InputMethod, Drop };

const QString Smiley = QStringLiteral("\U0001F600");

QString times(int count, const QString &text)
{
    return text.repeated(count);
}

// The characters of text one by one, a surrogate pair as one.
QStringList characters(const QString &text)
{
    QStringList result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        result << text.mid(i, length);
        i += length - 1;
    }
    return result;
}

bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Way)

class TestLengthLimits : public QObject
{
    Q_OBJECT

private slots:
    void keepsWholeCharacters_data();
    void keepsWholeCharacters();

private:
    QString textOf(QWidget *box) const;
    void enter(QWidget *box, Way way, const QString &text, int replaced);
};

QString TestLengthLimits::textOf(QWidget *box) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        return edit->text();
    return static_cast<MultiLineBox *>(box)->text();
}

// replaced: units before the cursor that the input method's commit replaces
void TestLengthLimits::enter(QWidget *box, Way way, const QString &text, int replaced)
{
    // A plain-text editor takes drops on its viewport.
    QWidget *target = box;
    if (auto *multi = qobject_cast<MultiLineBox *>(box))
        target = multi->viewport();
    switch (way) {
    case Way::Paste:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::ContextMenu: {
        QApplication::clipboard()->setText(text);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &menuEvent);
        QMenu *menu = box->findChild<QMenu *>();
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](const QAction *action) {
            return action->objectName() == u"edit-paste" || action->text().startsWith(u"&Paste\t");
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        menu->close();
        break;
    }
    case Way::MiddleClick:
        QApplication::clipboard()->setText(text, QClipboard::Selection);
        QTest::mouseClick(target, Qt::MiddleButton, Qt::NoModifier, QPoint(2, 2));
        break;
    case Way::Typing:
        for (const QString &character : characters(text)) {
            if (character == u"\n") {
                QTest::keyClick(box, Qt::Key_Return);
                continue;
            }
            // The text of one key press, as a keyboard layout or a
            // character picker sends it: a whole character.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
            QApplication::sendEvent(box, &press);
        }
        break;
    case Way::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text, -replaced, replaced);
        QApplication::sendEvent(box, &commit);
        break;
    }
    case Way::Drop: {
        QMimeData data;
        data.setText(text);
        const QPointF end(target->width() - 2, target->height() - 2);
        QDragEnterEvent enterEvent(end.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                                   Qt::NoModifier);
        QApplication::sendEvent(target, &enterEvent);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        break;
    }
    }
}

void TestLengthLimits::keepsWholeCharacters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before"); // the field's text to start with
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("replaced"); // units at the end of before selected, or replaced
    QTest::addColumn<QString>("kept"); // what takes their place

    const QString pasted3 = u'a' + times(150, Smiley);
    const QString pasted4 = u'a' + times(250, Smiley);
    const QString a199 = QString(199, u'a');
    const QString k399 = QString(399, u'k');

    QTest::newRow("Text3 paste stops before a split pair")
        << "Text3" << QString() << Way::Paste << pasted3 << 0 << u'a' + times(99, Smiley);
    QTest::newRow("Text3 input method stops before a split pair")
        << "Text3" << QString() << Way::InputMethod << pasted3 << 0 << u'a' + times(99, Smiley);
    QTest::newRow("Text3 menu paste stops before a split pair")
        << "Text3" << QString() << Way::ContextMenu << pasted3 << 0 << u'a' + times(99, Smiley);
    QTest::newRow("Text3 middle click stops before a split pair")
        << "Text3" << QString() << Way::MiddleClick << pasted3 << 0 << u'a' + times(99, Smiley);
    QTest::newRow("Text3 drop stops before a split pair")
        << "Text3" << QString() << Way::Drop << pasted3 << 0 << u'a' + times(99, Smiley);
    QTest::newRow("Text3 refuses typed pairs past the limit")
        << "Text3" << a199 << Way::Typing << times(3, Smiley) << 0 << QString();
    QTest::newRow("Text3 takes what fits after a refused pair")
        << "Text3" << QString(197, u'a') << Way::Typing << times(2, Smiley) + u'b' << 0
        << Smiley + u'b';
    QTest::newRow("Text3 counts an input method's line break as two")
        << "Text3" << a199 << Way::InputMethod << QStringLiteral("\nz") << 0 << QString();
    QTest::newRow("Text3 counts a pasted line separator as two")
        << "Text3" << a199 << Way::Paste << QStringLiteral("\u2028z") << 0 << QString();

    QTest::newRow("Text4 paste stops before a split pair")
        << "Text4" << QString() << Way::Paste << pasted4 << 0 << u'a' + times(199, Smiley);
    QTest::newRow("Text4 input method stops before a split pair")
        << "Text4" << QString() << Way::InputMethod << pasted4 << 0 << u'a' + times(199, Smiley);
    QTest::newRow("Text4 menu paste stops before a split pair")
        << "Text4" << QString() << Way::ContextMenu << pasted4 << 0 << u'a' + times(199, Smiley);
    QTest::newRow("Text4 middle click stops before a split pair")
        << "Text4" << QString() << Way::MiddleClick << pasted4 << 0 << u'a' + times(199, Smiley);
    QTest::newRow("Text4 drop stops before a split pair")
        << "Text4" << QString() << Way::Drop << pasted4 << 0 << u'a' + times(199, Smiley);
    QTest::newRow("Text4 refuses a typed pair past the limit")
        << "Text4" << k399 << Way::Typing << Smiley << 0 << QString();
    QTest::newRow("Text4 takes what fits after a refused pair")
        << "Text4" << QString(397, u'k') << Way::Typing << times(2, Smiley) + u'z' << 0
        << Smiley + u'z';
    QTest::newRow("Text4 never keeps half a pasted CR LF")
        << "Text4" << k399 << Way::Paste << QStringLiteral("\r\nz") << 0 << QString();
    QTest::newRow("Text3 paste over a selection takes its room")
        << "Text3" << QString(200, u'k') << Way::Paste << times(3, Smiley) << 4 << times(2, Smiley);
    QTest::newRow("Text4 input method replacing text takes its room")
        << "Text4" << QString(400, u'k') << Way::InputMethod << times(3, Smiley) << 4
        << times(2, Smiley);
}

void TestLengthLimits::keepsWholeCharacters()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(Way, way);
    QFETCH(QString, entered);
    QFETCH(int, replaced);
    QFETCH(QString, kept);

    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *box = window.findChild<QWidget *>(field);
    QVERIFY(box);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->setText(before);
    else
        static_cast<MultiLineBox *>(box)->setText(before);
    if (auto *multi = qobject_cast<MultiLineBox *>(box))
        multi->moveCursor(QTextCursor::End);
    if (way != Way::InputMethod && replaced > 0) {
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            edit->setSelection(before.size(), -replaced);
        else
            for (int i = 0; i < replaced; ++i)
                static_cast<MultiLineBox *>(box)->moveCursor(QTextCursor::Left,
                                                             QTextCursor::KeepAnchor);
    }
    box->setFocus();
    if (way == Way::MiddleClick && !QApplication::clipboard()->supportsSelection())
        QSKIP("no X11 selection here");
    enter(box, way, entered, replaced);
    if (QTest::currentTestFailed())
        return;

    const QString text = textOf(box);
    const int limit = field == u"Text3" ? 200 : 400;
    QVERIFY2(text.size() <= limit, qPrintable(QString::number(text.size())));
    QVERIFY(!hasLoneSurrogate(text));
    QVERIFY(!text.endsWith(u'\r'));
    QCOMPARE(text, before.chopped(replaced) + kept);

    // The block carries the kept text unchanged, in UTF-8, and so does the
    // clipboard after the copy command.
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    const TagTemplates templates;
    const QString opener = field == u"Text3" ? templates.Text11 : templates.Text12;
    const QByteArray line
        = "\r\n" + opener.toUtf8() + text.toUtf8() + templates.Text8.toUtf8() + "\r\n";
    const QString block = window.findChild<MultiLineBox *>(QStringLiteral("Text6"))->text();
    QVERIFY(block.toUtf8().contains(line));
    window.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    QCOMPARE(QApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain")),
             block.toUtf8());
}

QTEST_MAIN(TestLengthLimits)
#include "tst_lengthlimits.moc"
