#include "quoteescape.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <vector>

// Every escaper this processor runs must agree with the plain replacement,
// and write nothing past the end it returns.
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

    const auto filled = [](qsizetype length, char16_t unit) { return QString(length, QChar(unit)); };
    QTest::newRow("empty") << QString();
    QTest::newRow("one quote") << QStringLiteral("\"");
    QTest::newRow("no quote, 100 units") << filled(100, u'a');
    QTest::newRow("only quotes, 200 units") << filled(200, u'"');
    // 0x22 as one byte of a unit is not a quote.
    QTest::newRow("units with a 0x22 byte") << QString::fromUtf16(u"\u2022\u2200\u0122\u22FF").repeated(20);
    for (const qsizetype at : {0, 15, 16, 31, 32, 33, 63, 64, 95, 159}) {
        QString text = filled(160, u'a');
        text[at] = u'"';
        QTest::addRow("one quote at %lld of 160", qlonglong(at)) << text;
    }
    QString random;
    QRandomGenerator generator(12);
    const char16_t alphabet[] = {u'a', u'"', u'\u2022', u'\u2200', 0xD83D, 0xDE00, u'\0'};
    for (int i = 0; i < 5000; ++i)
        random.append(QChar(alphabet[generator.bounded(int(std::size(alphabet)))]));
    QTest::newRow("5000 random units") << random;
    // More quotes than a 16-bit sum holds, in every lane.
    QTest::newRow("two million quotes") << filled(1 << 21, u'"');
}

void TestQuoteEscape::agreesWithReplace()
{
    QFETCH(QString, text);
    const QString expected = QString(text).replace(u'"', QLatin1String("&quot;"));
    constexpr char16_t Guard = 0xFFFF;
    for (const QuoteEscaper &escaper : availableQuoteEscapers()) {
        const QByteArray name = escaper.name;
        QCOMPARE(escaper.count(text), text.count(u'"'));
        std::vector<char16_t> out(expected.size() + 64, Guard);
        char16_t *const end = escaper.escape(text, out.data());
        QCOMPARE(end - out.data(), expected.size());
        QVERIFY2(QStringView(out.data(), end) == expected, name);
        QVERIFY2(std::all_of(end, out.data() + out.size(), [](char16_t u) { return u == Guard; }), name);
    }
}

QTEST_APPLESS_MAIN(TestQuoteEscape)
#include "tst_quoteescape.moc"
