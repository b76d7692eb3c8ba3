#include "form1test.h"
#include "ui/shared/contrast.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <climits>
#include <utility>

class TestLayout : public Form1Test
{
    Q_OBJECT

private slots:
    void init() { openWindow(); }

    void controls_data();
    void controls();
    void stackingAndParents();
    void windowFrame();
    void checkBoxCaptionsHidden();
    void outputColours();
    void accessibleNames();
    void lengthLimits_data();
    void lengthLimits();
};

void TestLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry"); // pixels, in the parent

    const auto row = [](const char *name, const QString &text, int x, int y, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << QRect(x, y, w, h);
    };
    row("off", QStringLiteral("Informations sur votre site:"), 152, 8, 313, 33);
    row("Text1", QStringLiteral("Mon titre"), 88, 48, 217, 25);
    row("Text2", QStringLiteral("Mon nom"), 88, 80, 217, 25);
    row("Label6", QStringLiteral("Votre E-mail :"), 8, 120, 81, 17);
    row("Text5", QStringLiteral("votremail@serveur.fr"), 88, 112, 217, 27);
    row("Label2", QStringLiteral("Description :"), 8, 152, 233, 17);
    row("Text3", QStringLiteral("Ma description"), 88, 144, 217, 65);
    row("Label3", QStringLiteral("Mots clefs :"), 8, 224, 161, 17);
    row("Text4", QStringLiteral("Mes mots clefs"), 88, 216, 217, 25);
    row("Label11", QStringLiteral("Langue:"), 8, 256, 49, 17);
    row("Combo3", QStringLiteral("Francais"), 88, 248, 121, 21);
    row("Label12", QStringLiteral("Audiance:"), 8, 288, 65, 17);
    row("Combo4", QStringLiteral("Tout public"), 88, 280, 121, 21);
    row("Label4", QStringLiteral("Indexer les autres pages de mon site:"), 8, 320, 225, 17);
    row("Combo1", QStringLiteral("Oui"), 240, 320, 73, 21);
    row("Label5", QStringLiteral("Les moteurs doivent revisiter mon site chaque:"), 8, 352, 297,
        17);
    row("Combo2", QStringLiteral("Semaine"), 240, 368, 73, 21);
    row("Check1", QStringLiteral("Check1"), 344, 48, 17, 17);
    row("Label7",
        QStringLiteral(
            "Je ne veux pas que les robots indexent la page o\u00f9 je place ce Meta tag "
            "(remarque: ne pas choisir cette option pour votre page d'acceuil)."),
        368, 48, 257, 57);
    row("Check2", QStringLiteral("Check2"), 344, 104, 17, 17);
    row("Label8", QStringLiteral("Ne pas indexer les images de mon site."), 368, 104, 225, 17);
    row("Check3", QString(), 344, 128, 17, 17);
    row("Label9",
        QStringLiteral("Emp\u00eachez ma page de s'afficher dans des frames (remarque: "
                       "seulement si votre site poss\u00e8de des frames)."),
        368, 128, 225, 49);
    row("Check4", QString(), 344, 168, 17, 33);
    row("Label10",
        QStringLiteral("Ne pas stocker ma page dans la m\u00e9moire cache du navigateur internet."),
        368, 176, 217, 41);
    row("Text6", QString(), 344, 224, 297, 169);
    row("Frame1", QString(), 8, 400, 633, 57);
    row("Command1", QStringLiteral("&G\u00e9n\u00e9rerer"), 24, 416, 113, 33);
    row("Command2", QStringLiteral("&Tout Effacer"), 144, 16, 113, 33);
    row("Command4", QStringLiteral("&Copie PressePapiers"), 264, 16, 113, 33);
    row("Command5", QStringLiteral("&Quitter"), 384, 16, 113, 33);
}

void TestLayout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    QWidget *w = child(name.toLatin1().constData());
    QCOMPARE(w->geometry(), geometry);
    QVERIFY(w->isVisible());
    QVERIFY(w->isEnabled());
    QVERIFY(w->toolTip().isEmpty());

    QString shown;
    if (auto *l = qobject_cast<QLabel *>(w))
        shown = l->text();
    else if (auto *e = qobject_cast<QLineEdit *>(w))
        shown = e->text();
    else if (auto *m = qobject_cast<MultiLineBox *>(w))
        shown = m->text();
    else if (auto *c = qobject_cast<QComboBox *>(w))
        shown = c->currentText();
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        shown = b->text();
    QCOMPARE(shown, text);
    if (auto *c = qobject_cast<QCheckBox *>(w))
        QVERIFY(!c->isChecked());
    if (auto *b = qobject_cast<QPushButton *>(w))
        QVERIFY(!b->isDefault() && !b->autoDefault());
}

void TestLayout::stackingAndParents()
{
    QWidget *client = child("Command1")->parentWidget();
    QCOMPARE(client, m_window->centralWidget());
    QCOMPARE(child("Command2")->parentWidget(), child("Frame1"));
    QCOMPARE(child("Command4")->parentWidget(), child("Frame1"));
    QCOMPARE(child("Command5")->parentWidget(), child("Frame1"));

    // children() lists the stacking order from the bottom.
    bool pastLabels = false;
    qsizetype frame = -1, command1 = -1;
    const QObjectList kids = client->children();
    for (qsizetype i = 0; i < kids.size(); ++i) {
        const bool label = qobject_cast<QLabel *>(kids[i]);
        QVERIFY2(!(label && pastLabels), "a label lies above another control");
        pastLabels = pastLabels || (!label && kids[i]->isWidgetType());
        if (kids[i]->objectName() == QLatin1String("Frame1"))
            frame = i;
        if (kids[i]->objectName() == QLatin1String("Command1"))
            command1 = i;
    }
    QVERIFY(frame >= 0 && command1 > frame);
    QCOMPARE(client->childAt(30, 420), child("Command1"));

    // Resizing moves nothing.
    const QRect before = child("Text6")->geometry();
    m_window->resize(900, 700);
    QTRY_COMPARE(m_window->centralWidget()->width(), 900);
    QCOMPARE(child("Text6")->geometry(), before);
}

void TestLayout::windowFrame()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quillora"));
    QCOMPARE(m_window->centralWidget()->size(), QSize(650, 462));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->centralWidget()->palette().color(QPalette::Window), QColor(128, 128, 255));
}

void TestLayout::checkBoxCaptionsHidden()
{
    for (const char *name : {"Check1", "Check2"}) {
        auto *box = child<QCheckBox>(name);
        const int captionStart = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box)
            + box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
        QVERIFY(captionStart >= box->width());
    }
}

void TestLayout::outputColours()
{
    auto *out = child<MultiLineBox>("Text6");
    const QColor text = out->palette().color(QPalette::Text);
    QCOMPARE(text, QColor(Qt::white));
    QVERIFY(out->font().bold());
    const double contrast = contrastRatio(text, out->palette().color(QPalette::Base));
    QVERIFY2(contrast >= ReadableContrast, qPrintable(QString::number(contrast)));
    QCOMPARE(out->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(out->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(out->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestLayout::accessibleNames()
{
    const std::pair<const char *, const char *> pairs[] = {
        {"Text1", "Titre:"},
        {"Text2", "Votre nom:"},
        {"Text3", "Description :"},
        {"Text4", "Mots clefs :"},
        {"Text5", "Votre E-mail :"},
        {"Combo3", "Langue:"},
        {"Combo4", "Audiance:"},
        {"Combo1", "Indexer les autres pages de mon site:"},
        {"Combo2", "Les moteurs doivent revisiter mon site chaque:"},
        {"Check2", "Ne pas indexer les images de mon site."},
    };
    for (const auto &[control, label] : pairs)
        QCOMPARE(child(control)->accessibleName(), QString::fromUtf8(label));
    QCOMPARE(child("Check1")->accessibleName(), child<QLabel>("Label7")->text());
}

void TestLayout::lengthLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit"); // 0 for none

    QTest::newRow("Text1") << "Text1" << INT_MAX;
    QTest::newRow("Text2") << "Text2" << INT_MAX;
    QTest::newRow("Text3") << "Text3" << 200;
    QTest::newRow("Text4") << "Text4" << 400;
    QTest::newRow("Text5") << "Text5" << INT_MAX;
    QTest::newRow("Text6") << "Text6" << 0;
}

void TestLayout::lengthLimits()
{
    // How the boxes keep their limits is tested with the boxes themselves.
    QFETCH(QString, name);
    QFETCH(int, limit);
    QCOMPARE(child(name.toLatin1().constData())->property("maxLength").toInt(), limit);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
