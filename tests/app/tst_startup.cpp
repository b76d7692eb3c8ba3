// The program's own start-up, run before any window: Qt's texts in French,
// the desktop names and the window icon.
#include "form1.h"
#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contextMenuIsFrench_data();
    void contextMenuIsFrench();
    void windowIconHasEveryRenderedSize();

private:
    StartupReport m_report;
};

void TestStartup::initTestCase()
{
    m_report = prepareApplication(*qApp);
}

void TestStartup::contextMenuIsFrench_data()
{
    QTest::addColumn<QKeySequence::StandardKey>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("cut") << QKeySequence::Cut << QStringLiteral("Couper");
    QTest::newRow("copy") << QKeySequence::Copy << QStringLiteral("Copier");
    QTest::newRow("paste") << QKeySequence::Paste << QStringLiteral("Coller");
}

void TestStartup::contextMenuIsFrench()
{
    QFETCH(QKeySequence::StandardKey, key);
    QFETCH(QString, text);
    QVERIFY2(m_report.frenchQtTexts, "qtbase_fr.qm not found: install qt6-translations-l10n");

    Form1 window;
    auto *text1 = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(text1);
    std::unique_ptr<QMenu> menu(text1->createStandardContextMenu());
    // Each item shows its shortcut after a tab; find the item by it.
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    QStringList shown;
    for (const QAction *item : menu->actions()) {
        if (item->text().section(u'\t', 1) == shortcut)
            shown << item->text().section(u'\t', 0, 0).remove(u'&');
    }
    QCOMPARE(shown, QStringList{text});
}

void TestStartup::windowIconHasEveryRenderedSize()
{
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
