// The program's own start-up, run before any window: Qt's texts in French,
// the desktop names and the window icon.
#include "app/startup.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
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
    void windowIconHasTheWindowManagerSizes_data();
    void windowIconHasTheWindowManagerSizes();
    void windowIconHasNoLargerSize();

private:
    StartupReport m_report;
};

void TestStartup::initTestCase()
{
    m_report = prepareApplication(*qApp);
    QTRY_VERIFY(!QApplication::windowIcon().isNull());
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

void TestStartup::windowIconHasTheWindowManagerSizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64})
        QTest::addRow("%dx%d", size, size) << size;
}

// Each size a window manager draws is in the icon as rendered for it, not
// scaled from another, and is the picture installed into the icon theme.
void TestStartup::windowIconHasTheWindowManagerSizes()
{
    QFETCH(int, size);
    const QIcon icon = QApplication::windowIcon();
    QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
             "size missing from the window icon");
    const QString installed = QStringLiteral(QUILLORA_ICONS_DIR "/%1x%1/%2.png")
                                  .arg(size)
                                  .arg(QGuiApplication::desktopFileName());
    const QImage expected(installed);
    QVERIFY2(!expected.isNull(), qPrintable(installed + QStringLiteral(" does not load")));
    const auto format = QImage::Format_ARGB32_Premultiplied;
    QCOMPARE(icon.pixmap(QSize(size, size)).toImage().convertToFormat(format),
             expected.convertToFormat(format));
}

// On X11 every size of the window icon is decoded and sent to the X server
// before the main window shows; the larger ones come from the icon theme.
void TestStartup::windowIconHasNoLargerSize()
{
    for (const QSize &size : QApplication::windowIcon().availableSizes())
        QVERIFY2(size.width() <= 64 && size.height() <= 64, "a window icon larger than 64 x 64");
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
