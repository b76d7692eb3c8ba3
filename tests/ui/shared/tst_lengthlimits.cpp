// The main window's limited fields, Text3 (200) and Text4 (400), fed
// characters that do not fit whole: what they keep, and the generated and
// copied block byte for byte.
#include "compose/tagtemplates.h"
#include "ui/main/form1.h"
#include "ui/shared/multilinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

enum class Way { Paste, ContextMenu, Typing, InputMethod, Drop };
Q_DECLARE_METATYPE(Way)

namespace {

const QString Smiley = QStringLiteral("\U0001F600");

// replaced: units before the cursor that an input method's commit replaces
void enter(QWidget *box, QWidget *target, Way way, const QString &text, int replaced)
{
    QClipboard *clipboard = QApplication::clipboard();
    if (way == Way::Paste || way == Way::ContextMenu)
        clipboard->setText(text);
    if (way == Way::Paste)
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    if (way == Way::ContextMenu) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, {2, 2},
                                    target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &menuEvent);
        QMenu *menu = box->findChild<QMenu *>();
        for (QAction *action : menu->actions())
            if (action->text().startsWith(u"&Paste\t"))
                action->trigger();
        menu->close();
    }
    // One key press a character, as a keyboard layout or a character picker sends it.
    for (char32_t c : way == Way::Typing ? text.toUcs4() : QList<uint>()) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&c, 1));
        QApplication::sendEvent(box, &press);
    }
    if (way == Way::InputMethod) {
        QInputMethodEvent commit;
        commit.setCommitString(text, -replaced, replaced);
        QApplication::sendEvent(box, &commit);
    }
    if (way == Way::Drop) {
        QMimeData data;
        data.setText(text);
        const QPoint end(target->width() - 2, target->height() - 2);
        QDragEnterEvent enterEvent(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enterEvent);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
}

} // namespace

class TestLengthLimits : public QObject
{
    Q_OBJECT

private slots:
    void keepsWholeCharacters_data();
    void keepsWholeCharacters();
};

void TestLengthLimits::keepsWholeCharacters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before"); // the field's text to start with
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("replaced"); // units at the end of before selected, or replaced
    QTest::addColumn<QString>("kept"); // what takes their place

    const QString a199(199, u'a'), k399(399, u'k'),
        in3 = u'a' + Smiley.repeated(150), in4 = u'a' + Smiley.repeated(250),
        kept3 = u'a' + Smiley.repeated(99), kept4 = u'a' + Smiley.repeated(199),
        three = Smiley.repeated(3), two = Smiley.repeated(2);
    QTest::newRow("Text3 paste") << "Text3" << QString() << Way::Paste << in3 << 0 << kept3;
    QTest::newRow("Text3 input method")
        << "Text3" << QString() << Way::InputMethod << in3 << 0 << kept3;
    QTest::newRow("Text3 typing past the limit")
        << "Text3" << a199 << Way::Typing << three << 0 << QString();
    QTest::newRow("Text3 typing what fits after a refusal")
        << "Text3" << QString(197, u'a') << Way::Typing << two + u'b' << 0 << Smiley + u'b';
    QTest::newRow("Text3 input method line break counts two")
        << "Text3" << a199 << Way::InputMethod << QStringLiteral("\nz") << 0 << QString();
    QTest::newRow("Text3 pasted line separator counts two")
        << "Text3" << a199 << Way::Paste << QStringLiteral("\u2028z") << 0 << QString();
    QTest::newRow("Text3 paste over a selection")
        << "Text3" << QString(200, u'k') << Way::Paste << three << 3 << Smiley;
    QTest::newRow("Text4 paste") << "Text4" << QString() << Way::Paste << in4 << 0 << kept4;
    QTest::newRow("Text4 menu paste")
        << "Text4" << QString() << Way::ContextMenu << in4 << 0 << kept4;
    QTest::newRow("Text4 drop") << "Text4" << QString() << Way::Drop << in4 << 0 << kept4;
    QTest::newRow("Text4 input method")
        << "Text4" << QString() << Way::InputMethod << in4 << 0 << kept4;
    QTest::newRow("Text4 input method replacing")
        << "Text4" << QString(400, u'k') << Way::InputMethod << three << 3 << Smiley;
    QTest::newRow("Text4 typing past the limit")
        << "Text4" << k399 << Way::Typing << Smiley << 0 << QString();
    QTest::newRow("Text4 typing what fits after a refusal")
        << "Text4" << QString(397, u'k') << Way::Typing << two + u'z' << 0 << Smiley + u'z';
    QTest::newRow("Text4 paste never halves a CR LF")
        << "Text4" << k399 << Way::Paste << QStringLiteral("\r\nz") << 0 << QString();
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
    auto *edit = window.findChild<QLineEdit *>(field);
    auto *multi = window.findChild<MultiLineBox *>(field);
    QWidget *box = edit ? static_cast<QWidget *>(edit) : multi;
    if (edit) {
        edit->setText(before);
        if (way != Way::InputMethod)
            edit->setSelection(before.size(), -replaced);
    } else {
        multi->setText(before);
        multi->moveCursor(QTextCursor::End);
        for (int i = 0; i < replaced && way != Way::InputMethod; ++i)
            multi->moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
    }
    box->setFocus();
    enter(box, multi ? multi->viewport() : box, way, entered, replaced);

    const QString text = edit ? edit->text() : multi->text();
    QCOMPARE(text, before.chopped(replaced) + kept);

    // The block holds the kept text unchanged in UTF-8, and so does the
    // clipboard after the copy command.
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    const TagTemplates templates;
    const QByteArray line = "\r\n" + (multi ? templates.Text11 : templates.Text12).toUtf8()
        + text.toUtf8() + templates.Text8.toUtf8() + "\r\n";
    const QByteArray block =
        window.findChild<MultiLineBox *>(QStringLiteral("Text6"))->text().toUtf8();
    QVERIFY(block.contains(line));
    window.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    QCOMPARE(QApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain")), block);
}

QTEST_MAIN(TestLengthLimits)
#include "tst_lengthlimits.moc"
