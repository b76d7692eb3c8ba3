#include "platform/codepage.h"

#include <QTest>

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void utf8_data();
    void utf8();
};

void TestCodePage::utf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray bad = "\xEF\xBF\xBD";

    QTest::newRow("ASCII") << QByteArray("C:\\x.exe") << QByteArray("C:\\x.exe");
    QTest::newRow("two, three and four bytes") << QByteArray("\xC3\xA8\xE2\x82\xAC\xF0\x9F\x98\x80")
                                               << QByteArray("\xC3\xA8\xE2\x82\xAC\xF0\x9F\x98\x80");
    QTest::newRow("zero bytes pass") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
    QTest::newRow("stray continuation byte") << QByteArray("a\x80z") << "a" + bad + "z";
    QTest::newRow("Latin-1 byte") << QByteArray("Caf\xE9") << "Caf" + bad;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << bad + bad;
    QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << bad + bad + bad;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << bad + bad + bad;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << bad + bad + bad + bad;
    QTest::newRow("cut off at the end: one replacement") << QByteArray("x\xE2\x82") << "x" + bad;
    QTest::newRow("cut off before ASCII keeps the ASCII") << QByteArray("\xF0\x9F" "a") << bad + "a";
}

void TestCodePage::utf8()
{
    QFETCH(QByteArray, bytes);
    const std::string text = platform::utf8FromUtf8CodePage(std::string_view(bytes.constData(), bytes.size()));
    QTEST(QByteArray::fromStdString(text), "expected");
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
