#include "textfit.h"
#include "ui/about/frmabout.h"
#include "ui/main/form1.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

using namespace Qt::StringLiterals;

// Every text of both windows with the fonts this system really has, at the
// display scale the test runs at: the weight and size the design gives it,
// and the whole text inside its rectangle where the design shows it whole.
// The log gives what each control was given.
namespace {

// How much the text stands out, in pixels of full text colour, drawn in the
// control's own colours at its scale.
double ink(const QFont &font, const QString &text, const QWidget *w)
{
    if (auto *area = qobject_cast<const QAbstractScrollArea *>(w))
        w = area->viewport();
    const int fore = qGray(w->palette().color(w->foregroundRole()).rgb());
    const QColor back = w->palette().color(w->backgroundRole());
    const QFontMetricsF fm(font);
    QImage image(
        (QSizeF(fm.horizontalAdvance(text) + 4, fm.height() + 4) * w->devicePixelRatioF()).toSize(),
        QImage::Format_RGB32);
    image.setDevicePixelRatio(w->devicePixelRatioF());
    image.fill(back);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(w->palette().color(w->foregroundRole()));
    painter.drawText(QPointF(2, 2 + fm.ascent()), text);
    painter.end();
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAbs(qGray(image.pixel(x, y)) - qGray(back.rgb()));
    return sum / qMax(1, qAbs(fore - qGray(back.rgb())));
}

// The size a control's texts need against the size it has: labels wrap
// inside their rectangle, captions stay on one line, and every item of a
// list fits its edit field.
std::pair<QSize, QSize> neededAndGiven(QWidget *w)
{
    const QFontMetrics fm(w->font());
    if (auto *label = qobject_cast<QLabel *>(w))
        return {labelTextNeeds(label), w->size()};
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = qMax(widest, fm.horizontalAdvance(combo->itemText(i)));
        return {
            QSize(widest, 0),
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .size()};
    }
    const QString caption = qobject_cast<QAbstractButton *>(w)->text().remove(u'&');
    return {QSize(fm.horizontalAdvance(caption) + 6, fm.height()), w->size()};
}

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controls_data();
    void controls();

private:
    Form1 m_form;
    frmAbout m_about;
};

void TestFonts::initTestCase()
{
    for (QWidget *window : {static_cast<QWidget *>(&m_form), static_cast<QWidget *>(&m_about)}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
}

void TestFonts::controls_data()
{
    QTest::addColumn<bool>("about");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("whole"); // the design shows the whole text

    const auto rows = [](const QString &names, bool about, bool bold, qreal points, bool whole) {
        for (const QString &name : names.split(u' '))
            QTest::newRow(qPrintable(name)) << about << bold << points << whole;
    };
    // The form has two labels called Label1: the second is Label1#2.
    rows(u"off"_s, false, true, 14.25, true);
    rows(u"Label1 Label1#2 Label6 Label2 Label3 Label11 Label12 Label4 Label5 Label7 Label8 "
         u"Label9 Label10"_s,
         false, true, 8.25, true);
    rows(u"Combo3 Combo4 Combo1 Combo2 Command1 Command2 Command4 Command5"_s, false, false, 8.25,
         true);
    // The first two check boxes' captions lie under their labels.
    rows(u"Check1 Check2 Check3 Check4"_s, false, false, 8.25, false);
    rows(u"Text6"_s, false, true, 8.25, false);
    rows(u"menubar"_s, false, false, 0, true);
    rows(u"lblTitle"_s, true, false, 13.5, true);
    rows(u"lblVersion lblDescription lblDisclaimer cmdOK cmdSysInfo"_s, true, false, 8.25, true);
}

void TestFonts::controls()
{
    QFETCH(bool, about);
    QFETCH(bool, bold);
    QFETCH(qreal, points);
    QFETCH(bool, whole);

    QWidget *window = about ? static_cast<QWidget *>(&m_about) : &m_form;
    const QStringList tag = QString::fromLatin1(QTest::currentDataTag()).split(u'#');
    const QList<QWidget *> named = window->findChildren<QWidget *>(tag[0]);
    const qsizetype index = tag.value(1, u"1"_s).toInt() - 1;
    QVERIFY(index < named.size());
    QWidget *w = named[index];
    const QFontInfo info(w->font());
    qInfo("%s %d %dpx, asked for %s", qPrintable(info.family()), info.weight(), info.pixelSize(),
          qPrintable(w->font().families().join(u", "_s)));

    if (auto *menuBar = qobject_cast<QMenuBar *>(w)) {
        // The menu keeps the system's own font; its titles show whole.
        for (QAction *action : menuBar->actions())
            QVERIFY(QFontMetrics(menuBar->font()).horizontalAdvance(action->text().remove(u'&'))
                    <= menuBar->actionGeometry(action).width());
        return;
    }
    QCOMPARE(info.bold(), bold);
    QVERIFY(!info.italic());
    // The design's points at 96 dots per inch, where a pixel is 0.75 points.
    QVERIFY2(qAbs(info.pixelSize() - points / 0.75) <= 0.5,
             qPrintable(QString::number(info.pixelSize())));
    if (bold) {
        // At eight points a bold face fitted to whole pixels across can keep
        // the one-pixel stems of the regular one and draw with less ink
        // than it, down to three quarters; a bold that shows draws at
        // least an eighth more.
        QFont regular = w->font();
        regular.setBold(false);
        auto *label = qobject_cast<QLabel *>(w);
        const QString sample = label ? label->text() : u"<meta name=\"author\">"_s;
        const double inBold = ink(w->font(), sample, w);
        const double inRegular = ink(regular, sample, w);
        QVERIFY2(
            inBold >= 1.125 * inRegular,
            qPrintable(u"%1 pixels of ink in bold, %2 in regular"_s.arg(inBold).arg(inRegular)));
    }
    if (whole) {
        const auto [needed, given] = neededAndGiven(w);
        QVERIFY2(needed.width() <= given.width() && needed.height() <= given.height(),
                 qPrintable(u"needs %1x%2 in %3x%4"_s.arg(needed.width())
                                .arg(needed.height())
                                .arg(given.width())
                                .arg(given.height())));
    }
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
