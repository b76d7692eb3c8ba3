#include "frmabout.h"

#include "appinfo.h"
#include "classicfonts.h"
#include "errorguard.h"
#include "formlabel.h"
#include "messagebox.h"
#include "separatorline.h"
#include "sysinfo.h"
#include "twips.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWindow>

namespace {

// The labels' text is black, so the face they stand on is fixed too: the
// standard scheme's light grey, whatever the user's scheme. The buttons keep
// the scheme's colours.
const QColor FaceColour(240, 240, 240);
const QColor LabelTextColour(Qt::black);

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect twips)
{
    return addFormLabel(parent, name, text, twips, LabelTextColour);
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
#ifdef Q_OS_WIN
    // Windows draws an unowned dialog window with the fixed dialog frame.
    constexpr Qt::WindowFlags kind = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
#else
    // An ordinary top-level window: on X11 Qt ties every dialog window to the
    // main window (WM_TRANSIENT_FOR), and window managers then keep it above
    // the form.
    constexpr Qt::WindowFlags kind = Qt::Window;
#endif
    // Only a close box, no minimise or maximise box.
    setWindowFlags(kind | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    // The client area, not the frame, opens at this fixed place on the screen.
    setGeometry(twipsRect(2340, 1935, 5730, 3555));
    setFixedSize(size());
    setSizeGripEnabled(false);
    setFont(ClassicFonts::sansSerif());
    QPalette face = palette();
    face.setColor(QPalette::Window, FaceColour);
    face.setColor(QPalette::WindowText, LabelTextColour);
    setPalette(face);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(QPixmap(QStringLiteral(":/about/about-picture.png")));
    placeInTwips(picIcon, 240, 240, 540, 540);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    placeInTwips(m_cmdOK, 4245, 2625, 1260, 345);

    m_cmdSysInfo = new QPushButton(QStringLiteral("&Infos syst\u00e8me..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    placeInTwips(m_cmdSysInfo, 4260, 3075, 1245, 345);

    // Grey above, white below: a sunken separator across the dialog.
    auto *grey = new SeparatorLine(QColor(128, 128, 128), this);
    grey->setObjectName(QStringLiteral("Line1"));
    grey->setGeometry(twipsToPixels(90), twipsToPixels(2445),
                      twipsToPixels(5654) - twipsToPixels(90) + 1, 1);

    addLabel(this, "lblDescription", QStringLiteral("Voil\u00e0 le g\u00e9n\u00e9rateur de Quillora"),
             {1050, 1125, 3885, 1170});

    m_lblTitle = addLabel(this, "lblTitle", QString(), {1050, 240, 3885, 480});
    m_lblTitle->setFont(ClassicFonts::sansSerif(13.5, QFont::Normal));

    auto *white = new SeparatorLine(Qt::white, this);
    white->setObjectName(QStringLiteral("Line1"));
    white->setGeometry(twipsToPixels(105), twipsToPixels(2460),
                       twipsToPixels(5654) - twipsToPixels(105) + 1, 2);

    m_lblVersion = new QLabel(this);
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));
    m_lblVersion->setTextFormat(Qt::PlainText);
    m_lblVersion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(m_lblVersion, 1050, 780, 3885, 225);

    addLabel(this, "lblDisclaimer", disclaimerText(), {255, 2625, 3870, 825});

    QWidget::setTabOrder(m_cmdOK, m_cmdSysInfo);

    // OK, Escape and the close box all unload the dialog.
    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(m_cmdSysInfo, &QPushButton::clicked, this,
            guarded(this, [this] { startSystemInformation(); }));

    Load();
    m_cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::showEvent(QShowEvent *event)
{
    // Qt may give a window without parent the active window as its owner;
    // this one has none, so it counts as a window of its own when the last
    // one closes.
    if (QWindow *handle = windowHandle())
        handle->setTransientParent(nullptr);
    QDialog::showEvent(event);
}

void frmAbout::Load()
{
    setWindowTitle(QStringLiteral("\u00c0 propos de ") + AppInfo.title);
    m_lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                              .arg(AppInfo.major)
                              .arg(AppInfo.minor)
                              .arg(AppInfo.revision));
    m_lblTitle->setText(AppInfo.title);
}

void frmAbout::startSystemInformation()
{
    StartSysInfo([this](const std::string &text) { showMessage(this, QString::fromStdString(text)); });
}

QString frmAbout::disclaimerText()
{
    return QStringLiteral("Brannock") + QString(60, u' ')
           + QStringLiteral("www.brannock.example.org");
}
