#include "form1test.h"
#include "modalwatch.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TestKeyboard : public Form1Test
{
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { clearClipboard(); }

    void startFocus();
    void tabOrder();
    void accessKeys_data();
    void accessKeys();
    void menuKeys_data();
    void menuKeys();
    void tabAndEnterKeys();
    void enterKey_data();
    void enterKey();
    void typedLineBreakIsCrLf();
    void freeListText();
};

void TestKeyboard::startFocus()
{
    QCOMPARE(QApplication::focusWidget(), child("Text1"));
}

void TestKeyboard::tabOrder()
{
    const QStringList forward = {
        QStringLiteral("Text1"),    QStringLiteral("Text2"),    QStringLiteral("Text3"),
        QStringLiteral("Text4"),    QStringLiteral("Combo1"),   QStringLiteral("Combo2"),
        QStringLiteral("Text5"),    QStringLiteral("Check1"),   QStringLiteral("Check2"),
        QStringLiteral("Check3"),   QStringLiteral("Check4"),   QStringLiteral("Text6"),
        QStringLiteral("Combo3"),   QStringLiteral("Combo4"),   QStringLiteral("Command1"),
        QStringLiteral("Command2"), QStringLiteral("Command4"), QStringLiteral("Command5"),
    };
    child("Text1")->setFocus();
    QStringList visited;
    for (int i = 0; i <= forward.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, forward + QStringList{forward.first()});

    child("Text1")->setFocus();
    QStringList back;
    for (int i = 0; i < forward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        back.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(back, forward);
}

void TestKeyboard::accessKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");

    QTest::newRow("Alt+G generates") << int(Qt::Key_G) << QStringLiteral("Command1");
    QTest::newRow("Alt+T clears") << int(Qt::Key_T) << QStringLiteral("Command2");
    QTest::newRow("Alt+C copies") << int(Qt::Key_C) << QStringLiteral("Command4");
    QTest::newRow("Alt+Q quits") << int(Qt::Key_Q) << QStringLiteral("Command5");
}

void TestKeyboard::accessKeys()
{
    QFETCH(int, key);
    QFETCH(QString, button);
    QSignalSpy clicked(child<QPushButton>(button.toLatin1().constData()), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

void TestKeyboard::menuKeys_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("key"); // the key in the open file menu, or 0 for the menu bar

    QTest::newRow("Alt+F S chooses Sauver") << QStringLiteral("fd") << int(Qt::Key_S);
    QTest::newRow("Alt+F Q chooses Quitter") << QStringLiteral("quit") << int(Qt::Key_Q);
    QTest::newRow("Alt+A chooses About") << QStringLiteral("about") << 0;
}

void TestKeyboard::menuKeys()
{
    QFETCH(QString, item);
    QFETCH(int, key);

    auto *action = m_window->findChild<QAction *>(item);
    QVERIFY(action);
    QVERIFY(action->shortcut().isEmpty());
    QSignalSpy triggered(action, &QAction::triggered);
    // Sauver shows a notice, which must come; the watch closes it.
    std::optional<ModalWatch> box;
    if (item == QLatin1String("fd"))
        box.emplace();

    if (key == 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key(key));
    }
    QTRY_COMPARE(triggered.count(), 1);
    if (item == QLatin1String("quit"))
        QTRY_VERIFY(!m_window->isVisible());
}

void TestKeyboard::tabAndEnterKeys()
{
    auto *text3 = child<MultiLineBox>("Text3");
    auto *text6 = child<MultiLineBox>("Text6");
    text3->setFocus();
    QTest::keyClick(text3, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child("Text4"));
    QVERIFY(!text3->text().contains(u'\t'));

    text6->setFocus();
    QTest::keyClick(text6, Qt::Key_Return);
    QCOMPARE(text6->text(), QStringLiteral("\r\n"));
    QTest::keyClick(text6, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child("Combo3"));

    // Enter in a one-line field adds no line and presses no button.
    auto *text1 = child<QLineEdit>("Text1");
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(text1->text(), QStringLiteral("Mon titre"));
    QCOMPARE(text6->text(), QStringLiteral("\r\n"));
    QVERIFY(m_window->isVisible());
}

void TestKeyboard::enterKey_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("pressed"); // the button Enter presses, if any
    QTest::addColumn<bool>("newLine"); // whether the focused box gets a line break

    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("Return presses Command1")
        << "Command1" << int(Qt::Key_Return) << none << "Command1" << false;
    QTest::newRow("keypad Enter presses Command2")
        << "Command2" << int(Qt::Key_Enter) << keypad << "Command2" << false;
    QTest::newRow("Return presses Command4")
        << "Command4" << int(Qt::Key_Return) << none << "Command4" << false;
    QTest::newRow("Return presses Command5")
        << "Command5" << int(Qt::Key_Return) << none << "Command5" << false;
    QTest::newRow("Ctrl+Return presses no button")
        << "Command1" << int(Qt::Key_Return) << int(Qt::ControlModifier) << QString() << false;
    QTest::newRow("Return in a one-line field presses none")
        << "Text2" << int(Qt::Key_Return) << none << QString() << false;
    QTest::newRow("Return in a list presses none")
        << "Combo4" << int(Qt::Key_Return) << none << QString() << false;
    QTest::newRow("Return in Text3 breaks the line")
        << "Text3" << int(Qt::Key_Return) << none << QString() << true;
    QTest::newRow("keypad Enter in Text6 breaks the line")
        << "Text6" << int(Qt::Key_Enter) << keypad << QString() << true;
}

void TestKeyboard::enterKey()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, pressed);
    QFETCH(bool, newLine);

    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
    for (const char *name : {"Command1", "Command2", "Command4", "Command5"})
        spies.emplace_back(
            QString::fromLatin1(name),
            std::make_unique<QSignalSpy>(child<QPushButton>(name), &QPushButton::clicked));
    QWidget *target = child(focus.toLatin1().constData());
    auto *box = qobject_cast<MultiLineBox *>(target);
    const QString before = box ? box->text() : QString();
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    for (const auto &[name, spy] : spies)
        QVERIFY2(spy->count() == (name == pressed ? 1 : 0), qPrintable(name));
    if (box)
        QCOMPARE(box->text().size() - before.size(), newLine ? 2 : 0);
    if (pressed != QLatin1String("Command5"))
        QVERIFY(m_window->isVisible());
}

void TestKeyboard::typedLineBreakIsCrLf()
{
    auto *text3 = child<MultiLineBox>("Text3");
    text3->setText(QString());
    text3->setFocus();
    QTest::keyClicks(text3, QStringLiteral("un"));
    QTest::keyClick(text3, Qt::Key_Return);
    QTest::keyClicks(text3, QStringLiteral("deux"));
    QCOMPARE(m_window->request().description, QStringLiteral("un\r\ndeux"));
}

void TestKeyboard::freeListText()
{
    auto *language = child<QComboBox>("Combo3");
    language->setFocus();
    language->lineEdit()->selectAll();
    QTest::keyClicks(language, QStringLiteral("fran"));
    QTest::keyClick(language, Qt::Key_Return);
    QCOMPARE(language->currentText(), QStringLiteral("fran"));
    QCOMPARE(language->count(), 8);
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    QVERIFY(!output().contains(QLatin1String("Content-Language")));

    // The popup, built on first opening, still offers every entry.
    language->showPopup();
    QAbstractItemView *popup = language->view();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_End);
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(language->currentText(), language->itemText(7));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
