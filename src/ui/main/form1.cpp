#include "form1.h"

#include "appinfo.h"
#include "classicfonts.h"
#include "commanderror.h"
#include "contrast.h"
#include "errorguard.h"
#include "fieldlabel.h"
#include "formlabel.h"
#include "frmabout.h"
#include "messagebox.h"
#include "multilinebox.h"
#include "onelinebox.h"
#include "twips.h"
#include "windowslot.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>

#include <limits>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

const QColor WindowColour(128, 128, 255);
const QColor HeadingColour(255, 192, 128);
// The labels stand on the fixed light blue, so their text is fixed as well:
// the standard scheme's black, which reads on it whatever the user's scheme.
const QColor LabelTextColour(Qt::black);
const QColor OutputTextColour(Qt::white);

// Behind the output box's white text: the desktop colour of the user's
// scheme on Windows, unless the scheme's desktop is too light for white
// text; elsewhere, and then, a fixed dark blue.
QColor outputBackground()
{
    const QColor darkBlue(0x3a, 0x6e, 0xa5);
#ifdef Q_OS_WIN
    const COLORREF c = GetSysColor(COLOR_BACKGROUND);
    return readableBehind(OutputTextColour, QColor(GetRValue(c), GetGValue(c), GetBValue(c)),
                          darkBlue);
#else
    return darkBlue;
#endif
}

// Keeps a widget in the application's colours as the scheme has them, also
// when the scheme changes: left alone, the widget would take the roles its
// window fixes, such as the form's light blue.
class SystemColours : public QObject
{
public:
    explicit SystemColours(QWidget *widget) : QObject(widget), m_widget(widget)
    {
        apply();
        // A change of scheme is announced to the windows only.
        widget->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        // Only the roles marked as set win over the parent's: mark them all.
        QPalette palette = QApplication::palette(m_widget);
        palette.setResolveMask(~QPalette::ResolveMask(0));
        m_widget->setPalette(palette);
    }

    QWidget *m_widget;
};

// Enter presses the focused button, as Space does. No button is the
// window's default, so Enter anywhere else still presses none.
class FormButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // Held down, it presses once, like Space.
            if (!event->isAutoRepeat())
                click();
            event->accept();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect twips)
{
    QLabel *label = addFormLabel(parent, name, text, twips, LabelTextColour);
    label->setFont(ClassicFonts::sansSerif(8.25, QFont::Bold));
    return label;
}

QLineEdit *addLineEdit(QWidget *parent, const char *name, const QString &text, QRect twips)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    // QLineEdit would stop at 32767 characters; these fields have no limit.
    edit->setMaxLength(std::numeric_limits<int>::max());
    placeInTwips(edit, twips.x(), twips.y(), twips.width(), twips.height());
    return edit;
}

QComboBox *addCombo(QWidget *parent, const char *name, const QStringList &entries, QRect twips)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->addItems(entries);
    // A typed text stays as typed: no completion, nothing added to the list.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCurrentIndex(0);
    placeInTwips(combo, twips.x(), twips.y(), twips.width(), twips.height());
    return combo;
}

QCheckBox *addCheck(QWidget *parent, const char *name, const QString &caption, QRect twips)
{
    auto *check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    placeInTwips(check, twips.x(), twips.y(), twips.width(), twips.height());
    return check;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect twips)
{
    auto *button = new FormButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    placeInTwips(button, twips.x(), twips.y(), twips.width(), twips.height());
    return button;
}

int checkValue(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillora"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ClassicFonts::sansSerif());
    paintBackground(this, WindowColour);

    buildMenu();
    buildControls();
    setTabOrder();

    // The client area lies below the menu bar; a larger window shows more
    // background, a smaller one cuts the controls off. The window's layout
    // gives the menu bar its height for the window's width, which the
    // Windows style makes a pixel taller than its size hint.
    const int width = twipsToPixels(9750);
    const int menuHeight = menuBar()->heightForWidth(width);
    resize(width, twipsToPixels(6930) + (menuHeight > 0 ? menuHeight : menuBar()->sizeHint().height()));
    m_text1->setFocus();
}

Form1::~Form1() = default;

void Form1::buildMenu()
{
    // The menu bar keeps the system's colours, not the form's light blue.
    new SystemColours(menuBar());
    menuBar()->setAutoFillBackground(true);
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->setObjectName(QStringLiteral("file"));
    file->menuAction()->setObjectName(QStringLiteral("file"));
    QAction *fd = file->addAction(QStringLiteral("&Sauver"));
    fd->setObjectName(QStringLiteral("fd"));
    QAction *quitItem = file->addAction(QStringLiteral("&Quitter"));
    quitItem->setObjectName(QStringLiteral("quit"));
    // A menu-bar item without a menu runs its command straight away.
    QAction *about = menuBar()->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("about"));

    connect(fd, &QAction::triggered, this, guarded(this, [this] { copyNotice(); }));
    connect(quitItem, &QAction::triggered, this, guarded(this, [this] { quit(); }));
    connect(about, &QAction::triggered, this, guarded(this, [this] { openAbout(); }));
}

void Form1::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    QWidget *w = m_client;

    // Labels first: they lie beneath every other control.
    auto *heading = addLabel(w, "off", QStringLiteral("Informations sur votre site:"),
                             {2280, 120, 4695, 495});
    heading->setFont(ClassicFonts::heading());
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::WindowText, HeadingColour);
    heading->setPalette(headingPalette);

    QLabel *titleLabel = addLabel(w, "Label1", QStringLiteral("Titre:"), {120, 840, 495, 255});
    QLabel *nameLabel =
        addLabel(w, "Label1", QStringLiteral("Votre nom:"), {120, 1320, 855, 255});
    QLabel *label6 = addLabel(w, "Label6", QStringLiteral("Votre E-mail :"), {120, 1800, 1215, 255});
    QLabel *label2 = addLabel(w, "Label2", QStringLiteral("Description :"), {120, 2280, 3495, 255});
    QLabel *label3 = addLabel(w, "Label3", QStringLiteral("Mots clefs :"), {120, 3360, 2415, 255});
    QLabel *label11 = addLabel(w, "Label11", QStringLiteral("Langue:"), {120, 3840, 735, 255});
    QLabel *label12 = addLabel(w, "Label12", QStringLiteral("Audiance:"), {120, 4320, 975, 255});
    QLabel *label4 = addLabel(w, "Label4", QStringLiteral("Indexer les autres pages de mon site:"),
                              {120, 4800, 3375, 255});
    QLabel *label5 = addLabel(w, "Label5",
                              QStringLiteral("Les moteurs doivent revisiter mon site chaque:"),
                              {120, 5280, 4455, 255});
    QLabel *label7 = addLabel(
        w, "Label7",
        QStringLiteral("Je ne veux pas que les robots indexent la page o\u00f9 je place ce Meta tag "
                       "(remarque: ne pas choisir cette option pour votre page d'acceuil)."),
        {5520, 720, 3855, 855});
    QLabel *label8 = addLabel(w, "Label8", QStringLiteral("Ne pas indexer les images de mon site."),
                              {5520, 1560, 3375, 255});
    QLabel *label9 = addLabel(
        w, "Label9",
        QStringLiteral("Emp\u00eachez ma page de s'afficher dans des frames (remarque: seulement si "
                       "votre site poss\u00e8de des frames)."),
        {5520, 1920, 3375, 735});
    QLabel *label10 = addLabel(
        w, "Label10",
        QStringLiteral("Ne pas stocker ma page dans la m\u00e9moire cache du navigateur internet."),
        {5520, 2640, 3255, 615});

    m_text1 = addLineEdit(w, "Text1", QStringLiteral("Mon titre"), {1320, 720, 3255, 375});
    m_text2 = addLineEdit(w, "Text2", QStringLiteral("Mon nom"), {1320, 1200, 3255, 375});
    m_text5 = addLineEdit(w, "Text5", placeholderAddress(), {1320, 1680, 3255, 405});

    m_text3 = new MultiLineBox(w);
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text3->setMaxLength(200);
    m_text3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text3->setText(QStringLiteral("Ma description"));
    placeInTwips(m_text3, 1320, 2160, 3255, 975);

    // Its limit cuts at whole characters, which QLineEdit's alone does not.
    m_text4 = new OneLineBox(QStringLiteral("Mes mots clefs"), w);
    m_text4->setObjectName(QStringLiteral("Text4"));
    m_text4->setMaxLength(400);
    placeInTwips(m_text4, 1320, 3240, 3255, 375);

    m_combo3 = addCombo(w, "Combo3",
                        {QStringLiteral("Francais"), QStringLiteral("Allemand"),
                         QStringLiteral("Chinois"), QStringLiteral("Espagnol"),
                         QStringLiteral("Russe"), QStringLiteral("Japonais"),
                         QStringLiteral("Italien"), QStringLiteral("Autre..")},
                        {1320, 3720, 1815, 315});
    m_combo4 = addCombo(w, "Combo4",
                        {QStringLiteral("Tout public"), QStringLiteral("Public Avertit"),
                         QStringLiteral("Priv\u00e9"), QStringLiteral("+ de 14 ans")},
                        {1320, 4200, 1815, 315});
    m_combo1 = addCombo(w, "Combo1", {QStringLiteral("Oui"), QStringLiteral("Non")},
                        {3600, 4800, 1095, 315});
    m_combo2 = addCombo(w, "Combo2",
                        {QStringLiteral("Semaine"), QStringLiteral("15 Jours"),
                         QStringLiteral("30 Jours"), QStringLiteral("Jamais")},
                        {3600, 5520, 1095, 315});

    // The boxes are only wide enough for the box itself; their own captions
    // stay hidden, and the label to the right explains each one.
    m_check1 = addCheck(w, "Check1", QStringLiteral("Check1"), {5160, 720, 255, 255});
    m_check2 = addCheck(w, "Check2", QStringLiteral("Check2"), {5160, 1560, 255, 255});
    m_check3 = addCheck(w, "Check3", QString(), {5160, 1920, 255, 255});
    m_check4 = addCheck(w, "Check4", QString(), {5160, 2520, 255, 495});

    m_text6 = new MultiLineBox(w);
    m_text6->setObjectName(QStringLiteral("Text6"));
    m_text6->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text6->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text6->setFont(ClassicFonts::sansSerif(8.25, QFont::Bold));
    {
        QPalette palette = m_text6->palette();
        palette.setColor(QPalette::Base, outputBackground());
        palette.setColor(QPalette::Text, OutputTextColour);
        m_text6->setPalette(palette);
    }
    placeInTwips(m_text6, 5160, 3360, 4455, 2535);

    m_frame1 = new QGroupBox(w);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setFocusPolicy(Qt::NoFocus);
    placeInTwips(m_frame1, 120, 6000, 9495, 855);

    m_command1 = addButton(w, "Command1", QStringLiteral("&G\u00e9n\u00e9rerer"), {360, 6240, 1695, 495});
    m_command1->raise(); // in front of the frame it stands on
    m_command2 = addButton(m_frame1, "Command2", QStringLiteral("&Tout Effacer"), {2160, 240, 1695, 495});
    m_command4 = addButton(m_frame1, "Command4", QStringLiteral("&Copie PressePapiers"),
                           {3960, 240, 1695, 495});
    m_command5 = addButton(m_frame1, "Command5", QStringLiteral("&Quitter"), {5760, 240, 1695, 495});

    // Screen readers announce each field by the label beside it.
    const std::pair<QWidget *, QLabel *> named[] = {
        {m_text1, titleLabel}, {m_text2, nameLabel}, {m_text3, label2}, {m_text4, label3},
        {m_text5, label6},     {m_combo3, label11},  {m_combo4, label12}, {m_combo1, label4},
        {m_combo2, label5},    {m_check1, label7},   {m_check2, label8},  {m_check3, label9},
        {m_check4, label10},
    };
    for (const auto &[control, label] : named)
        labelField(label, control);
    m_text6->setAccessibleName(QStringLiteral("Balises meta g\u00e9n\u00e9r\u00e9es"));

    connect(m_command1, &QPushButton::clicked, this, guarded(this, [this] { generate(); }));
    connect(m_command2, &QPushButton::clicked, this, guarded(this, [this] { clearAll(); }));
    connect(m_command4, &QPushButton::clicked, this, guarded(this, [this] { copyToClipboard(); }));
    connect(m_command5, &QPushButton::clicked, this, guarded(this, [this] { quit(); }));
}

void Form1::setTabOrder()
{
    QWidget *const order[] = {
        m_text1,  m_text2,  m_text3,  m_text4,  m_combo1,   m_combo2,   m_text5,
        m_check1, m_check2, m_check3, m_check4, m_text6,    m_combo3,   m_combo4,
        m_command1, m_command2, m_command4, m_command5,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QString Form1::placeholderAddress()
{
    return QStringLiteral("votremail@serveur.fr");
}

TagRequest Form1::request() const
{
    TagRequest r;
    r.title = m_text1->text();
    r.author = m_text2->text();
    r.description = m_text3->text();
    r.keywords = m_text4->text();
    r.replyTo = m_text5->text();
    r.language = m_combo3->currentText();
    r.rating = m_combo4->currentText();
    r.robots = m_combo1->currentText();
    r.revisit = m_combo2->currentText();
    r.noIndexPage = checkValue(m_check1);
    r.noImageIndex = checkValue(m_check2);
    r.noFrames = checkValue(m_check3);
    r.noCache = checkValue(m_check4);
    return r;
}

void Form1::generate()
{
    m_text6->setText(composeTags(request(), m_templates));
}

void Form1::clearAll()
{
    m_text1->clear();
    m_text2->clear();
    m_text3->clear();
    m_text4->clear();
    m_text5->clear();
    m_text6->clear();
    for (QCheckBox *box : {m_check1, m_check2, m_check3, m_check4}) {
        if (checkValue(box) == 1)
            box->setChecked(false);
    }
}

void Form1::copyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw CommandError(QStringLiteral("Le presse-papiers n'est pas disponible."));
    clipboard->clear();
    const QString text = m_text6->text();
    auto *data = new QMimeData;
    data->setText(text);
    clipboard->setMimeData(data);
    // A clipboard that did not take the text must not pass for a success.
    if (clipboard->text() != text)
        throw CommandError(QStringLiteral("Le presse-papiers n'a pas accept\u00e9 le texte."));
}

void Form1::quit()
{
    // Loaded through its slot, the window is destroyed once closed.
    close();
}

void Form1::copyNotice()
{
    showMessage(this, QStringLiteral("Copier le code !!"));
}

void Form1::openAbout()
{
    // Modeless and without owner: both windows stay usable, and an open
    // dialog only comes to the front.
    WindowSlot<frmAbout>::instance().show();
}
