#include "ui/main/form1.h"
#include "ui_form1.h"

#include "app/commanderror.h"
#include "app/errorguard.h"
#include "app/messagebox.h"
#include "app/windowslot.h"
#include "platform/system.h"
#include "ui/about/frmabout.h"
#include "ui/shared/classicfonts.h"
#include "ui/shared/contrast.h"
#include "ui/shared/fieldlabel.h"
#include "ui/shared/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

using namespace Qt::StringLiterals;

const QColor OutputTextColour(Qt::white);

// Behind the output box's white text: the desktop colour of the user's
// scheme where the system has one (Windows), unless the scheme's desktop is
// too light for white text; elsewhere, and then, a fixed dark blue.
QColor outputBackground()
{
    const QColor darkBlue(0x3a, 0x6e, 0xa5);
    if (const std::optional<std::uint32_t> desktop = platform::systemServices().desktopColour())
        return readableBehind(OutputTextColour, QColor::fromRgb(*desktop), darkBlue);
    return darkBlue;
}

int checkValue(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::Form1>())
{
    setUpWithClassicFonts(this, [this] { m_ui->setupUi(this); });
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Designer wants each name once; on the form both labels of the first
    // two fields are called Label1.
    m_ui->Label1_name->setObjectName(u"Label1"_s);

    QPalette output = m_ui->Text6->palette();
    output.setColor(QPalette::Base, outputBackground());
    output.setColor(QPalette::Text, OutputTextColour);
    m_ui->Text6->setPalette(output);

    // Screen readers announce each field by the label beside it.
    for (const QLabel *label : m_ui->client->findChildren<QLabel *>())
        nameBuddyAfterLabel(label);

    connect(m_ui->fd, &QAction::triggered, this, guarded(this, [this] { copyNotice(); }));
    connect(m_ui->quit, &QAction::triggered, this, guarded(this, [this] { quit(); }));
    connect(m_ui->about, &QAction::triggered, this, guarded(this, [this] { openAbout(); }));
    connect(m_ui->Command1, &QPushButton::clicked, this, guarded(this, [this] { generate(); }));
    connect(m_ui->Command2, &QPushButton::clicked, this, guarded(this, [this] { clearAll(); }));
    connect(m_ui->Command4, &QPushButton::clicked, this,
            guarded(this, [this] { copyToClipboard(); }));
    connect(m_ui->Command5, &QPushButton::clicked, this, guarded(this, [this] { quit(); }));

    // The client area lies below the menu bar; a larger window shows more
    // background, a smaller one cuts the controls off. The window's layout
    // gives the menu bar its height for the window's width, which the
    // Windows style makes a pixel taller than its size hint.
    const int width = twipsToPixels(9750);
    const int menuHeight = m_ui->menubar->heightForWidth(width);
    resize(width,
           twipsToPixels(6930)
               + (menuHeight > 0 ? menuHeight : m_ui->menubar->sizeHint().height()));
    m_ui->Text1->setFocus();
}

Form1::~Form1() = default;

TagRequest Form1::request() const
{
    const Ui::Form1 &ui = *m_ui;
    TagRequest r;
    r.title = ui.Text1->text();
    r.author = ui.Text2->text();
    r.description = ui.Text3->text();
    r.keywords = ui.Text4->text();
    r.replyTo = ui.Text5->text();
    r.language = ui.Combo3->currentText();
    r.rating = ui.Combo4->currentText();
    r.robots = ui.Combo1->currentText();
    r.revisit = ui.Combo2->currentText();
    r.noIndexPage = checkValue(ui.Check1);
    r.noImageIndex = checkValue(ui.Check2);
    r.noFrames = checkValue(ui.Check3);
    r.noCache = checkValue(ui.Check4);
    return r;
}

void Form1::generate()
{
    m_ui->Text6->setText(composeTags(request(), m_templates));
}

void Form1::clearAll()
{
    const Ui::Form1 &ui = *m_ui;
    ui.Text1->clear();
    ui.Text2->clear();
    ui.Text3->clear();
    ui.Text4->clear();
    ui.Text5->clear();
    ui.Text6->clear();
    for (QCheckBox *box : {ui.Check1, ui.Check2, ui.Check3, ui.Check4}) {
        if (checkValue(box) == 1)
            box->setChecked(false);
    }
}

void Form1::copyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw CommandError(u"Le presse-papiers n'est pas disponible."_s);
    clipboard->clear();
    const QString text = m_ui->Text6->text();
    auto *data = new QMimeData;
    data->setText(text);
    clipboard->setMimeData(data);
    // A clipboard that did not take the text must not pass for a success.
    if (clipboard->text() != text)
        throw CommandError(u"Le presse-papiers n'a pas accepté le texte."_s);
}

void Form1::quit()
{
    // Loaded through its slot, the window is destroyed once closed.
    close();
}

void Form1::copyNotice()
{
    showMessage(this, u"Copier le code !!"_s);
}

void Form1::openAbout()
{
    // Modeless and without owner: both windows stay usable, and an open
    // dialog only comes to the front.
    WindowSlot<frmAbout>::instance().show();
}
