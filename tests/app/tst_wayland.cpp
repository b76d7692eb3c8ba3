// The program under a Wayland compositor, started by wayland.sh: the main
// window comes up, generates its block, and the about dialog opens and
// closes. Only the dialog's place may differ from X11, as Wayland clients
// cannot place their windows.
#include "app/startup.h"
#include "app/windowslot.h"
#include "compose/tagcomposer.h"
#include "ui/about/frmabout.h"
#include "ui/main/form1.h"
#include "ui/shared/multilinebox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generateThenOpenAndCloseAbout();
};

void TestWayland::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    prepareApplication(*qApp);
}

void TestWayland::generateThenOpenAndCloseAbout()
{
    Form1 *main = WindowSlot<Form1>::instance().show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    // The window keeps the size it asks for: the whole client area under a
    // menu bar as tall as its font makes it (18 pixels with Qt 6.4, 16 with
    // Qt 6.8).
    QCOMPARE(main->centralWidget()->size(), QSize(650, 462));
    QCOMPARE(main->height(), 462 + main->menuBar()->height());

    main->findChild<QLineEdit *>(QStringLiteral("Text1"))
        ->setText(QStringLiteral("\u00c9t\u00e9 \u00e0 Lyon"));
    main->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    const QString block = main->findChild<MultiLineBox *>(QStringLiteral("Text6"))->text();
    QVERIFY(block.contains(
        QStringLiteral("\r\n<meta name=\"title\" content=\"\u00c9t\u00e9 \u00e0 Lyon\">\r\n")));
    QCOMPARE(block, composeTags(main->request(), TagTemplates()));

    main->findChild<QAction *>(QStringLiteral("about"))->trigger();
    QPointer<frmAbout> about = WindowSlot<frmAbout>::instance().window();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("\u00c0 propos de Marlivet"));
    QCOMPARE(about->size(), QSize(382, 237));
    QCOMPARE(about->minimumSize(), about->maximumSize());

    about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    QTRY_VERIFY(about.isNull());
    QVERIFY(main->isVisible());
    WindowSlot<Form1>::instance().unload();
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
