#include "compose/quoteescape.h"

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
    QTest::newRow("NUL and surrogates kept") << QStringLiteral("\0\"\xD83D\xDE00\"\xDE00");
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
