#include "ui/about/frmabout.h"
#include "ui/main/form1.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>

// Every text of both windows with the fonts this system really has, at the
// display scale the test runs at: the weight and size the design gives it,
// and the whole text inside its rectangle where the design shows it whole.
// The log gives what each control was given.
namespace {

// How much the text stands out, in pixels of full text colour, drawn in the
// control's own colours at the given scale.
double ink(const QFont &font, const QString &text, const QWidget *w)
{
    if (auto *area = qobject_cast<const QAbstractScrollArea *>(w))
        w = area->viewport();
    const QColor fore = w->palette().color(w->foregroundRole());
    const QColor back = w->palette().color(w->backgroundRole());
    const QFontMetricsF fm(font);
    const qreal scale = w->devicePixelRatioF();
    QImage image((QSizeF(fm.horizontalAdvance(text) + 4, fm.height() + 4) * scale).toSize(),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(back);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(fore);
    painter.drawText(QPointF(2, 2 + fm.ascent()), text);
    painter.end();
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAbs(qGray(image.pixel(x, y)) - qGray(back.rgb()));
    return sum / qMax(1, qAbs(qGray(fore.rgb()) - qGray(back.rgb())));
}

// The text a control shows: a label's, a button's caption, a list's first
// item.
QString shownText(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->itemText(0);
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text().remove(u'&');
    return {};
}

// What of the control's texts does not fit, or nothing: labels wrap inside
// their rectangle, captions and list items stay on one line.
QString fitProblem(QWidget *w)
{
    const QFontMetrics fm(w->font());
    if (auto *label = qobject_cast<QLabel *>(w)) {
        const QRect needed =
            fm.boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap, label->text());
        if (needed.width() > label->width() || needed.height() > label->height())
            return QStringLiteral("needs %1x%2").arg(needed.width()).arg(needed.height());
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            if (fm.horizontalAdvance(combo->itemText(i)) > field.width())
                return QStringLiteral("\"%1\" is wider than %2")
                    .arg(combo->itemText(i))
                    .arg(field.width());
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        const QString caption = shownText(button);
        if (fm.horizontalAdvance(caption) + 6 > button->width() || fm.height() > button->height())
            return QStringLiteral("needs %1x%2")
                .arg(fm.horizontalAdvance(caption) + 6)
                .arg(fm.height());
    }
    return {};
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
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<frmAbout> m_about;
};

void TestFonts::initTestCase()
{
    m_form = std::make_unique<Form1>();
    m_about = std::make_unique<frmAbout>();
    for (QWidget *window :
         {static_cast<QWidget *>(m_form.get()), static_cast<QWidget *>(m_about.get())}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    qInfo("scale %g", m_form->devicePixelRatioF());
}

void TestFonts::controls_data()
{
    QTest::addColumn<bool>("about");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("whole"); // the design shows the whole text

    const auto row = [](const char *name, bool about, bool bold, qreal points, bool whole) {
        QTest::newRow(name) << about << bold << points << whole;
    };
    row("off", false, true, 14.25, true);
    // The form has two labels called Label1: the second is Label1#2.
    for (const char *label :
         {"Label1", "Label1#2", "Label6", "Label2", "Label3", "Label11", "Label12", "Label4",
          "Label5", "Label7", "Label8", "Label9", "Label10"})
        row(label, false, true, 8.25, true);
    for (const char *list : {"Combo3", "Combo4", "Combo1", "Combo2"})
        row(list, false, false, 8.25, true);
    // The first two check boxes' captions lie under their labels.
    for (const char *box : {"Check1", "Check2", "Check3", "Check4"})
        row(box, false, false, 8.25, false);
    row("Text6", false, true, 8.25, false);
    for (const char *button : {"Command1", "Command2", "Command4", "Command5"})
        row(button, false, false, 8.25, true);
    row("menubar", false, false, 0, true);
    row("lblTitle", true, false, 13.5, true);
    for (const char *label : {"lblVersion", "lblDescription", "lblDisclaimer"})
        row(label, true, false, 8.25, true);
    for (const char *button : {"cmdOK", "cmdSysInfo"})
        row(button, true, false, 8.25, true);
}

void TestFonts::controls()
{
    QFETCH(bool, about);
    QFETCH(bool, bold);
    QFETCH(qreal, points);
    QFETCH(bool, whole);

    QWidget *window = about ? static_cast<QWidget *>(m_about.get()) : m_form.get();
    const QStringList tag = QString::fromLatin1(QTest::currentDataTag()).split(u'#');
    const QList<QWidget *> named = window->findChildren<QWidget *>(tag[0]);
    const qsizetype index = tag.size() > 1 ? tag[1].toInt() - 1 : 0;
    QVERIFY(index < named.size());
    QWidget *w = named[index];
    const QFontInfo info(w->font());
    qInfo().noquote() << QStringLiteral("%1 %2 %3px%4, asked for %5")
                             .arg(info.family())
                             .arg(info.weight())
                             .arg(info.pixelSize())
                             .arg(info.italic() ? QStringLiteral(" italic") : QString())
                             .arg(w->font().families().join(QStringLiteral(", ")));

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
    const QString text = shownText(w);
    if (bold) {
        // At eight points a bold face fitted to whole pixels across can keep
        // the one-pixel stems of the regular one and draw with less ink
        // than it, down to three quarters; a bold that shows draws at
        // least an eighth more.
        QFont regular = w->font();
        regular.setBold(false);
        const QString sample = text.isEmpty() ? QStringLiteral("<meta name=\"author\">") : text;
        const double inBold = ink(w->font(), sample, w);
        const double inRegular = ink(regular, sample, w);
        QVERIFY2(inBold >= 1.125 * inRegular,
                 qPrintable(QStringLiteral("%1 pixels of ink in bold, %2 in regular")
                                .arg(inBold)
                                .arg(inRegular)));
    }
    if (whole) {
        const QString problem = fitProblem(w);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
