#include "ui/about/frmabout.h"
#include "ui/main/form1.h"
#include "ui/shared/contrast.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include <memory>

// Every text of both windows, measured from what is really painted: the
// background is the commonest colour where the text stands, the text the
// pixel that stands out most from it.
namespace {

QPalette darkPalette()
{
    // The active colours of qt6ct's "darker" scheme, in QPalette role order.
    const char *const colours[] = {
        "#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947", "#ffffff",
        "#ffffff", "#ffffff", "#3d3d3d", "#222020", "#e7e4e0", "#12608a", "#f9f9f9",
        "#0986d3", "#a70b06", "#5c5b5a", "#ffffff", "#3f3f36", "#ffffff", "#80ffffff",
    };
    QPalette palette;
    for (int role = 0; role < int(std::size(colours)); ++role)
        palette.setColor(QPalette::ColorRole(role), QColor(QString::fromLatin1(colours[role])));
    return palette;
}

QPalette highContrast(const QColor &back, const QColor &fore, const QColor &highlight)
{
    QPalette palette(fore, back, back, fore, fore, fore, fore, back, back);
    palette.setColor(QPalette::ButtonText, fore);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, back);
    return palette;
}

struct Measure
{
    QColor text;
    QColor background;
    double ratio = 0;
};

Measure measure(const QImage &shot, const QRect &area)
{
    QMap<QRgb, int> counts;
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y)];
    Measure m;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            m.background = QColor(it.key());
        }
    }
    m.text = m.background;
    m.ratio = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = contrastRatio(QColor(it.key()), m.background);
        if (ratio > m.ratio) {
            m.ratio = ratio;
            m.text = QColor(it.key());
        }
    }
    return m;
}

// Where a widget's text stands, in the widget's own coordinates.
QRect textArea(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w)) {
        return label->fontMetrics().boundingRect(
                   label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text())
            & label->rect();
    }
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return textArea(combo->lineEdit()).translated(combo->lineEdit()->pos());
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QFontMetrics fm = edit->fontMetrics();
        return QRect(contents.left(), contents.center().y() - fm.height() / 2,
                     fm.horizontalAdvance(edit->text()) + 4, fm.height())
            & contents;
    }
    if (auto *box = qobject_cast<QPlainTextEdit *>(w))
        return box->viewport()->geometry();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->fontMetrics().boundingRect(
            button->rect(), Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    return {};
}

// The texts of a window, named as the table shows them.
QList<std::pair<QString, QWidget *>> texts(QWidget *window)
{
    QList<std::pair<QString, QWidget *>> found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || qobject_cast<QMenuBar *>(w))
            continue;
        QString shown;
        if (auto *label = qobject_cast<QLabel *>(w))
            shown = label->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            shown = edit->text();
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            shown = combo->currentText();
        else if (auto *button = qobject_cast<QPushButton *>(w))
            shown = button->text().remove(u'&');
        else if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            shown = box->toPlainText().trimmed().section(u'\n', 0, 0);
        if (w->parentWidget() && qobject_cast<QComboBox *>(w->parentWidget()))
            continue; // measured through its list
        if (!shown.isEmpty())
            found.append({QStringLiteral("%1 %2").arg(w->objectName(), shown.left(24)), w});
    }
    return found;
}

// ratio by text, then by palette, for the table printed at the end
QMap<QString, QMap<QString, double>> g_table;
QStringList g_palettes;

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void ratio_data();
    void ratio();
    void textsReadable_data();
    void textsReadable();
    void menuBarTakesSystemColours_data();
    void menuBarTakesSystemColours();

private:
    QPalette m_startPalette;
};

void TestContrast::initTestCase()
{
    m_startPalette = QApplication::palette();
}

void TestContrast::cleanup()
{
    QApplication::setPalette(m_startPalette);
}

void TestContrast::cleanupTestCase()
{
    // The table: each text, its ratio under each palette; * marks the
    // heading, whose colours are the design's own.
    QString header = QStringLiteral("%1").arg(QStringLiteral("text"), -36);
    for (const QString &palette : g_palettes)
        header += QStringLiteral(" | %1").arg(palette, 13);
    qInfo().noquote() << header;
    for (auto row = g_table.cbegin(); row != g_table.cend(); ++row) {
        QString line = QStringLiteral("%1").arg(row.key(), -36);
        for (const QString &palette : g_palettes)
            line += QStringLiteral(" | %1").arg(row.value().value(palette), 13, 'f', 2);
        qInfo().noquote() << line;
    }
}

void TestContrast::ratio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("expected");

    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("equal colours") << QColor(128, 128, 255) << QColor(128, 128, 255) << 1.0;
    // Dark channels lie on the formula's linear part.
    QTest::newRow("near black on black") << QColor(10, 10, 10) << QColor(Qt::black) << 1.06;
    QTest::newRow("grey 118 just passes") << QColor(118, 118, 118) << QColor(Qt::white) << 4.54;
    QTest::newRow("white on the form's blue fails")
        << QColor(Qt::white) << QColor(128, 128, 255) << 3.26;
}

void TestContrast::ratio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, expected);
    QVERIFY2(qAbs(contrastRatio(a, b) - expected) < 0.01,
             qPrintable(QString::number(contrastRatio(a, b))));

    // A background too close to the text gives way to the fallback.
    const QColor fallback(0x3a, 0x6e, 0xa5);
    QCOMPARE(readableBehind(a, b, fallback),
             contrastRatio(a, b) >= ReadableContrast ? b : fallback);
}

void TestContrast::textsReadable_data()
{
    QTest::addColumn<QPalette>("palette");

    QTest::newRow("default") << m_startPalette;
    QTest::newRow("dark") << darkPalette();
    QTest::newRow("high contrast black")
        << highContrast(Qt::black, Qt::white, QColor(0x1a, 0xeb, 0xff));
    QTest::newRow("high contrast white")
        << highContrast(Qt::white, Qt::black, QColor(0x37, 0x00, 0x6e));
}

void TestContrast::textsReadable()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    const QString scheme = QString::fromLatin1(QTest::currentDataTag());
    g_palettes << scheme;

    auto form = std::make_unique<Form1>();
    auto about = std::make_unique<frmAbout>();
    QPushButton *generate = form->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(generate);
    generate->click(); // something to read in the output box
    QStringList unreadable;
    for (QWidget *window :
         {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(about.get())}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const auto &[name, w] : texts(window)) {
            const QRect area = textArea(w).translated(w->mapTo(window, QPoint(0, 0)));
            QVERIFY2(!area.isEmpty(), qPrintable(name));
            const Measure m = measure(shot, area);
            // The orange heading on the light blue is the design's own pair.
            const bool designPair = w->objectName() == QLatin1String("off");
            g_table[name + (designPair ? QStringLiteral(" *") : QString())][scheme] = m.ratio;
            if (!designPair && m.ratio < ReadableContrast)
                unreadable << QStringLiteral("%1: %2 on %3, %4")
                                  .arg(name, m.text.name(), m.background.name())
                                  .arg(m.ratio, 0, 'f', 2);
        }
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
}

void TestContrast::menuBarTakesSystemColours_data()
{
    textsReadable_data();
}

void TestContrast::menuBarTakesSystemColours()
{
    // Built under the start palette, the menu bar follows a change of scheme.
    QFETCH(QPalette, palette);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::setPalette(palette);
    QMenuBar *bar = form.menuBar();
    QTRY_COMPARE(bar->palette().color(QPalette::Window), palette.color(QPalette::Window));

    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QAction *item : bar->actions()) {
        const Measure m = measure(shot, bar->actionGeometry(item).translated(bar->pos()));
        g_table[QStringLiteral("menu bar ") + item->text().remove(u'&')]
               [QString::fromLatin1(QTest::currentDataTag())] = m.ratio;
        QCOMPARE(m.background, QApplication::palette().color(QPalette::Window));
        QVERIFY2(m.ratio >= ReadableContrast, qPrintable(QString::number(m.ratio)));
    }
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
