#include "compose/tagtemplates.h"

#include <QTest>

class TestTagTemplates : public QObject
{
    Q_OBJECT

private slots:
    void languageLookup_data();
    void languageLookup();
    void ratingLookup_data();
    void ratingLookup();
    void defaultTemplates_data();
    void defaultTemplates();
    void templatesArePrintableAsciiOnOneLine();
};

void TestTagTemplates::languageLookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code"); // null: no row

    QTest::newRow("Francais") << QStringLiteral("Francais") << QStringLiteral("Fr");
    QTest::newRow("Italien, last row") << QStringLiteral("Italien") << QStringLiteral("It");
    QTest::newRow("Autre.. with two stops") << QStringLiteral("Autre..") << QStringLiteral("Other");
    QTest::newRow("small letters") << QStringLiteral("francais") << QString();
    QTest::newRow("capitals") << QStringLiteral("FRANCAIS") << QString();
    QTest::newRow("cedilla") << QStringLiteral("Fran\u00e7ais") << QString();
    QTest::newRow("trailing space") << QStringLiteral("Francais ") << QString();
    QTest::newRow("leading space") << QStringLiteral(" Francais") << QString();
    QTest::newRow("Autre. with one stop") << QStringLiteral("Autre.") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestTagTemplates::languageLookup()
{
    QFETCH(QString, text);
    QFETCH(QString, code);
    const ValueChoice *row = findChoice(LanguageCodes, text);
    QCOMPARE(row ? row->value.toString() : QString(), code);
}

void TestTagTemplates::ratingLookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");

    QTest::newRow("Public Avertit") << QStringLiteral("Public Avertit") << QStringLiteral("Mature");
    QTest::newRow("Priv\u00e9 precomposed")
        << QStringLiteral("Priv\u00e9") << QStringLiteral("Restricted");
    QTest::newRow("+ de 14 ans") << QStringLiteral("+ de 14 ans") << QStringLiteral("14 years");
    QTest::newRow("Prive with a plain e") << QStringLiteral("Prive") << QString();
    QTest::newRow("Prive with a combining accent") << QStringLiteral("Prive\u0301") << QString();
    QTest::newRow("Tout public") << QStringLiteral("Tout public") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestTagTemplates::ratingLookup()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    const ValueChoice *row = findChoice(RatingValues, text);
    QCOMPARE(row ? row->value.toString() : QString(), value);
}

void TestTagTemplates::defaultTemplates_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("ending");

    // index into TemplateFields (0 is Text7), length, last characters
    const struct
    {
        int length;
        const char *ending;
    } rows[18] = {
        {28, "\""}, {2, "\">"}, {29, "\""}, {37, "\""}, {34, "\""}, {31, "\""},
        {45, "\""}, {29, "\""}, {51, ">"},  {47, ">"},  {44, ">"},  {45, ">"},
        {45, ">"},  {40, ">"},  {39, "> "}, {44, "> "}, {49, "> "}, {46, "> "},
    };
    for (int i = 0; i < 18; ++i) {
        QTest::addRow("Text%d", i + 7)
            << i << rows[i].length << QString::fromLatin1(rows[i].ending);
    }
}

void TestTagTemplates::defaultTemplates()
{
    QFETCH(int, field);
    QFETCH(int, length);
    QFETCH(QString, ending);
    const TagTemplates templates;
    const QString text = templates.*TemplateFields[field];
    QCOMPARE(text.size(), length);
    QVERIFY2(text.endsWith(ending), qPrintable(text));
    QVERIFY(text.startsWith(u'<') || field == 1);
}

void TestTagTemplates::templatesArePrintableAsciiOnOneLine()
{
    const TagTemplates templates;
    for (TemplateField field : TemplateFields) {
        for (QChar c : templates.*field)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(templates.*field));
    }
}

QTEST_GUILESS_MAIN(TestTagTemplates)
#include "tst_tagtemplates.moc"
