#include "app/windowslot.h"
#include "modalwatch.h"
#include "ui/about/frmabout.h"
#include "ui/about/separatorline.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using AboutSlot = WindowSlot<frmAbout>;
using MainSlot = WindowSlot<Form1>;

frmAbout *openAbout()
{
    frmAbout *dialog = AboutSlot::instance().show();
    QApplication::setActiveWindow(dialog);
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("the about dialog did not become active");
    return dialog;
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void controls_data();
    void controls();
    void window();
    void openTwiceLoadsOnce_data();
    void openTwiceLoadsOnce();
    void closeThenReopenLoadsAgain_data();
    void closeThenReopenLoadsAgain();
    void enterPressesFocusedSysInfo();
    void sysInfoUnavailableShowsMessage();
    void programEndsWithItsLastWindow();

private:
    QByteArray m_test; // the test whose rows ran last
};

// Each test starts with no window loaded, but the rows of controls, which
// only read the dialog, share one.
void TestFrmAbout::init()
{
    const QByteArray test = QTest::currentTestFunction();
    if (test != "controls" || test != m_test)
        cleanupTestCase();
    m_test = test;
}

void TestFrmAbout::cleanupTestCase()
{
    AboutSlot::instance().unload();
    MainSlot::instance().unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmAbout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("picIcon") << "picIcon" << QString() << QRect(16, 16, 36, 36);
    QTest::newRow("cmdOK") << "cmdOK"
                           << "OK" << QRect(283, 175, 84, 23);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo"
                                << "&Infos syst\u00e8me..." << QRect(284, 205, 83, 23);
    QTest::newRow("lblDescription")
        << "lblDescription"
        << "Voil\u00e0 le g\u00e9n\u00e9rateur de Quillora" << QRect(70, 75, 259, 78);
    QTest::newRow("lblTitle") << "lblTitle"
                              << "Marlivet" << QRect(70, 16, 259, 32);
    QTest::newRow("lblVersion") << "lblVersion"
                                << "Version 1.0.0" << QRect(70, 52, 259, 15);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer"
                                   << QStringLiteral("Brannock") + QString(60, u' ')
            + QStringLiteral("www.brannock.example.org")
                                   << QRect(17, 175, 258, 55);
}

void TestFrmAbout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    frmAbout *dialog = openAbout();
    auto *w = dialog->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(w)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    if (auto *button = qobject_cast<QPushButton *>(w))
        QCOMPARE(button->text(), text);
}

void TestFrmAbout::window()
{
    frmAbout *dialog = openAbout();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("\u00c0 propos de Marlivet"));
    QCOMPARE(dialog->geometry(), QRect(156, 129, 382, 237));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(
        !(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!dialog->parentWidget());
    QVERIFY(!dialog->isModal());
    QCOMPARE(QApplication::focusWidget(), dialog->findChild<QWidget *>(QStringLiteral("cmdOK")));
    QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("lblTitle"))->font().pointSizeF() == 13.5);

    const QList<SeparatorLine *> lines =
        dialog->findChildren<SeparatorLine *>(QStringLiteral("Line1"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0]->colour(), QColor(128, 128, 128));
    QCOMPARE(lines[0]->geometry(), QRect(6, 163, 372, 1));
    QCOMPARE(lines[1]->colour(), QColor(Qt::white));
    QCOMPARE(lines[1]->geometry(), QRect(7, 164, 371, 2));

    QTest::keyClick(dialog, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSysInfo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
}

void TestFrmAbout::openTwiceLoadsOnce_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::newRow("open") << false;
    QTest::newRow("minimised") << true;
}

void TestFrmAbout::openTwiceLoadsOnce()
{
    QFETCH(bool, minimised);
    MainSlot::instance().show();
    auto *about = MainSlot::instance().window()->findChild<QAction *>(QStringLiteral("about"));
    about->trigger();
    QPointer<frmAbout> first = AboutSlot::instance().window();
    if (minimised)
        first->showMinimized();
    about->trigger();
    // The same dialog, not a new one, and in view again.
    QCOMPARE(AboutSlot::instance().window(), first);
    QVERIFY(!first->isMinimized());
    int dialogs = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        dialogs += qobject_cast<frmAbout *>(w) && w->isVisible();
    QCOMPARE(dialogs, 1);
}

void TestFrmAbout::closeThenReopenLoadsAgain_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Escape on OK") << 1;
    QTest::newRow("Escape on the sysinfo button") << 2;
    QTest::newRow("Enter on OK") << 3;
    QTest::newRow("close box") << 4;
}

void TestFrmAbout::closeThenReopenLoadsAgain()
{
    QFETCH(int, how);
    frmAbout *dialog = openAbout();
    QPointer<frmAbout> guard(dialog);
    auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    auto *sysInfo = dialog->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    switch (how) {
    case 0:
        QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(ok, Qt::Key_Escape);
        break;
    case 2:
        sysInfo->setFocus();
        QTest::keyClick(sysInfo, Qt::Key_Escape);
        break;
    case 3:
        QTest::keyClick(ok, Qt::Key_Return);
        break;
    default:
        dialog->close();
        break;
    }
    QVERIFY(!AboutSlot::instance().isLoaded());
    QTRY_VERIFY(guard.isNull()); // destroyed with its controls

    frmAbout *again = openAbout();
    QCOMPARE(again->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 1.0.0"));
}

void TestFrmAbout::enterPressesFocusedSysInfo()
{
    frmAbout *dialog = openAbout();
    auto *sysInfo = dialog->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    QSignalSpy clicked(sysInfo, &QPushButton::clicked);
    MessageWatch seen;
    qputenv("PATH", QByteArray()); // no system-information program to find
    sysInfo->setFocus();
    QTest::keyClick(sysInfo, Qt::Key_Return);
    QTRY_COMPARE(clicked.count(), 1);
    QTRY_VERIFY(seen.shown);
    QVERIFY(AboutSlot::instance().isLoaded());
}

void TestFrmAbout::sysInfoUnavailableShowsMessage()
{
    frmAbout *dialog = openAbout();
    QTemporaryDir emptyDir;
    qputenv("PATH", emptyDir.path().toLocal8Bit());
    MessageWatch seen;
    QTest::keyClick(dialog, Qt::Key_I, Qt::AltModifier); // Alt+I presses the button
    QTRY_COMPARE(
        seen.text,
        QStringLiteral("Les informations syst\u00e8me ne sont pas disponibles actuellement"));
    QCOMPARE(seen.caption, QStringLiteral("Marlivet"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QVERIFY(dialog->isVisible());
}

void TestFrmAbout::programEndsWithItsLastWindow()
{
    // Runs the steps inside the application's own event loop, which ends
    // when the program would; a watchdog ends it otherwise.
    QStringList seen;
    const auto step = [&](int delay, std::function<void()> what) {
        QTimer::singleShot(delay, qApp, what);
    };
    step(0, [&] {
        Form1 *main = MainSlot::instance().show();
        main->findChild<QAction *>(QStringLiteral("about"))->trigger();
        // The dialog closes first: the program goes on.
        AboutSlot::instance().unload();
        main->findChild<QAction *>(QStringLiteral("about"))->trigger();
        // Quitting the main window leaves the dialog and the program running.
        main->findChild<QPushButton *>(QStringLiteral("Command5"))->click();
        seen << QStringLiteral("main quit");
    });
    step(200, [&] {
        seen << (AboutSlot::instance().isLoaded() ? QStringLiteral("dialog open")
                                                  : QStringLiteral("dialog gone"));
        // Closing the dialog then ends the program.
        AboutSlot::instance().window()->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    watchdog.start(10000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(watchdog.isActive());
    QCOMPARE(seen, (QStringList{QStringLiteral("main quit"), QStringLiteral("dialog open")}));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
