#include "quoteescape.h"

#include <QRandomGenerator>
#include <QTest>

// The escaper must agree with the plain replacement, and add to what the
// block already holds.
class TestQuoteEscape : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithReplace_data();
    void agreesWithReplace();
};

void TestQuoteEscape::agreesWithReplace_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("one quote") << QStringLiteral("\"");
    QTest::newRow("no quote") << QStringLiteral("Ma description");
    QTest::newRow("quotes first, last and side by side") << QStringLiteral("\"a\"\"b c\"");
    QTest::newRow("only quotes") << QString(200, u'"');
    QTest::newRow("entity already typed") << QStringLiteral("&quot;\"&amp;");
    // 0x22 as one byte of a unit is not a quote.
    QTest::newRow("units with a 0x22 byte") << QString::fromUtf16(u"\u2022\u2200\u0122\u22FF");
    QString random;
    QRandomGenerator generator(12);
    const char16_t alphabet[] = {u'a', u'"', u'\u2022', u'\u2200', 0xD83D, 0xDE00, u'\0'};
    for (int i = 0; i < 5000; ++i)
        random.append(QChar(alphabet[generator.bounded(int(std::size(alphabet)))]));
    QTest::newRow("5000 random units") << random;
}

void TestQuoteEscape::agreesWithReplace()
{
    QFETCH(QString, text);
    const QString before = QStringLiteral("<meta content=\"");
    QString out = before;
    appendQuoteEscaped(out, text);
    QCOMPARE(out, before + QString(text).replace(u'"', QLatin1String("&quot;")));
}

QTEST_APPLESS_MAIN(TestQuoteEscape)
#include "tst_quoteescape.moc"
