// The text boxes with a length limit, fed text that does not fit whole: what
// they keep. The limits are the main window's: 200 for a box of several
// lines (Text3), 400 for a one-line box (Text4).
#include "ui/shared/multilinebox.h"
#include "ui/shared/onelinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

#include <climits>

enum class Way { Typing, Paste, ContextMenu, InputMethod, Drop };
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
    // One key press a character, as a keyboard layout or a character picker
    // sends it; '\n' is Enter.
    for (char32_t c : way == Way::Typing ? text.toUcs4() : QList<uint>()) {
        if (c == U'\n')
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
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
    void initTestCase();
    void keepsWholeCharacters_data();
    void keepsWholeCharacters();

private:
    // One window for every row: each row sets the limit and the text it
    // starts from.
    QWidget m_window;
    OneLineBox *m_oneLine = new OneLineBox(&m_window);
    MultiLineBox *m_multiLine = new MultiLineBox(&m_window);
};

void TestLengthLimits::initTestCase()
{
    auto *layout = new QVBoxLayout(&m_window);
    layout->addWidget(m_oneLine);
    layout->addWidget(m_multiLine);
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
}

void TestLengthLimits::keepsWholeCharacters_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("before"); // the box's text to start with
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("replaced"); // units at the end of before selected, or replaced
    QTest::addColumn<QString>("kept"); // what takes their place

    const QString a199(199, u'a'), k399(399, u'k');
    const QString in3 = u'a' + Smiley.repeated(150), kept3 = u'a' + Smiley.repeated(99);
    const QString in4 = u'a' + Smiley.repeated(250), kept4 = u'a' + Smiley.repeated(199);
    const QString three = Smiley.repeated(3), two = Smiley.repeated(2);
    const bool multi = true, one = false;

    QTest::newRow("multi-line typing stops at the limit")
        << multi << 200 << QString() << Way::Typing << QString(205, u'a') << 0
        << QString(200, u'a');
    QTest::newRow("multi-line typed line break counts two")
        << multi << 200 << a199 << Way::Typing << QStringLiteral("\n") << 0 << QString();
    QTest::newRow("multi-line typed line break that fits")
        << multi << 200 << QString(198, u'a') << Way::Typing << QStringLiteral("\nb") << 0
        << QStringLiteral("\r\n");
    QTest::newRow("multi-line typing past the limit")
        << multi << 200 << a199 << Way::Typing << three << 0 << QString();
    QTest::newRow("multi-line typing what fits after a refusal")
        << multi << 200 << QString(197, u'a') << Way::Typing << two + u'b' << 0 << Smiley + u'b';
    QTest::newRow("multi-line paste cut at the limit")
        << multi << 200 << QStringLiteral("abc") << Way::Paste << QString(300, u'x') << 0
        << QString(197, u'x');
    QTest::newRow("multi-line paste")
        << multi << 200 << QString() << Way::Paste << in3 << 0 << kept3;
    QTest::newRow("multi-line paste never halves a CR LF")
        << multi << 200 << a199 << Way::Paste << QStringLiteral("\r\nzz") << 0 << QString();
    QTest::newRow("multi-line pasted line separator counts two")
        << multi << 200 << a199 << Way::Paste << QStringLiteral("\u2028z") << 0 << QString();
    QTest::newRow("multi-line paste over a selection")
        << multi << 200 << QString(200, u'k') << Way::Paste << three << 3 << Smiley;
    QTest::newRow("multi-line input method")
        << multi << 200 << QString() << Way::InputMethod << in3 << 0 << kept3;
    QTest::newRow("multi-line input method line break counts two")
        << multi << 200 << a199 << Way::InputMethod << QStringLiteral("\nz") << 0 << QString();
    QTest::newRow("multi-line without limit")
        << multi << 0 << QString() << Way::Paste << QString(5000, u'o') << 0 << QString(5000, u'o');

    QTest::newRow("one-line typing stops at the limit")
        << one << 400 << QString() << Way::Typing << QString(402, u'k') << 0 << QString(400, u'k');
    QTest::newRow("one-line typing past the limit")
        << one << 400 << k399 << Way::Typing << Smiley << 0 << QString();
    QTest::newRow("one-line typing what fits after a refusal")
        << one << 400 << QString(397, u'k') << Way::Typing << two + u'z' << 0 << Smiley + u'z';
    QTest::newRow("one-line paste cut at the limit")
        << one << 400 << QString(10, u'k') << Way::Paste << QString(500, u'y') << 0
        << QString(390, u'y');
    QTest::newRow("one-line paste") << one << 400 << QString() << Way::Paste << in4 << 0 << kept4;
    QTest::newRow("one-line paste never halves a CR LF")
        << one << 400 << k399 << Way::Paste << QStringLiteral("\r\nz") << 0 << QString();
    QTest::newRow("one-line menu paste")
        << one << 400 << QString() << Way::ContextMenu << in4 << 0 << kept4;
    QTest::newRow("one-line drop") << one << 400 << QString() << Way::Drop << in4 << 0 << kept4;
    QTest::newRow("one-line input method")
        << one << 400 << QString() << Way::InputMethod << in4 << 0 << kept4;
    QTest::newRow("one-line input method replacing")
        << one << 400 << QString(400, u'k') << Way::InputMethod << three << 3 << Smiley;
    // The main window's one-line fields without a limit have the largest one.
    QTest::newRow("one-line without limit") << one << INT_MAX << QString(50, u't') << Way::Paste
                                            << QString(3000, u'z') << 0 << QString(3000, u'z');
}

void TestLengthLimits::keepsWholeCharacters()
{
    QFETCH(bool, multiLine);
    QFETCH(int, limit);
    QFETCH(QString, before);
    QFETCH(Way, way);
    QFETCH(QString, entered);
    QFETCH(int, replaced);
    QFETCH(QString, kept);

    QWidget *box = m_oneLine;
    if (multiLine) {
        box = m_multiLine;
        m_multiLine->setMaxLength(limit);
        m_multiLine->setText(before);
        m_multiLine->moveCursor(QTextCursor::End);
        for (int i = 0; i < replaced && way != Way::InputMethod; ++i)
            m_multiLine->moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
    } else {
        m_oneLine->setMaxLength(limit);
        m_oneLine->setText(before);
        if (way != Way::InputMethod)
            m_oneLine->setSelection(before.size(), -replaced);
    }
    box->setFocus();
    enter(box, multiLine ? m_multiLine->viewport() : box, way, entered, replaced);

    QCOMPARE(multiLine ? m_multiLine->text() : m_oneLine->text(), before.chopped(replaced) + kept);
}

QTEST_MAIN(TestLengthLimits)
#include "tst_lengthlimits.moc"
