// Under a real X server: after the copy command, another program reads
// exactly the output box's text from the clipboard, CR LF included.
#include "cannotrun.h"
#include "ui/main/form1.h"
#include "ui/shared/multilinebox.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

class TestClipboardX11 : public QObject
{
    Q_OBJECT

private slots:
    void otherProgramReadsTheBlock_data();
    void otherProgramReadsTheBlock();
};

void TestClipboardX11::otherProgramReadsTheBlock_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("initial entries") << QStringLiteral("Mon titre");
    QTest::newRow("accents, quotes and line ends")
        << QStringLiteral("\u00c9t\u00e9 \"chaud\" \u2014 \u4e2d\u6587 \U0001F600");
}

void TestClipboardX11::otherProgramReadsTheBlock()
{
    QFETCH(QString, title);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QUILLORA_CANNOT_RUN("needs an X server");
    const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
    QVERIFY2(!xclip.isEmpty(), "xclip is not installed");

    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(title);
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    window.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    const QString block = window.findChild<MultiLineBox *>(QStringLiteral("Text6"))->text();
    QVERIFY(block.contains(QLatin1String("\r\n")));

    // The event loop must keep running: this process answers xclip's request.
    QProcess reader;
    reader.start(xclip,
                 {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
    QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 20000);
    QCOMPARE(reader.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()), block);
}

QTEST_MAIN(TestClipboardX11)
#include "tst_clipboard_x11.moc"
