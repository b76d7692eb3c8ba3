#include "ui/about/frmabout.h"
#include "ui_frmabout.h"

#include "app/appinfo.h"
#include "app/errorguard.h"
#include "app/messagebox.h"
#include "ui/about/sysinfo.h"
#include "ui/shared/classicfonts.h"
#include "ui/shared/twips.h"

#include <QGuiApplication>
#include <QWindow>

using namespace Qt::StringLiterals;

frmAbout::frmAbout(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::frmAbout>())
{
    setUpWithClassicFonts(this, [this] { m_ui->setupUi(this); });
    // Windows draws an unowned dialog window with the fixed dialog frame.
    // Elsewhere an ordinary top-level window: on X11 Qt ties every dialog
    // window to the main window (WM_TRANSIENT_FOR), and window managers then
    // keep it above the form.
    const Qt::WindowFlags kind = QGuiApplication::platformName() == u"windows"_s
        ? Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint
        : Qt::Window;
    // Only a close box, no minimise or maximise box.
    setWindowFlags(kind | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    // The client area, not the frame, opens at this fixed place on the screen.
    setGeometry(QRect(QPoint(twipsToPixels(2340), twipsToPixels(1935)), size()));
    // Designer keeps whole points; the title is drawn at thirteen and a half.
    QFont titleFont = m_ui->lblTitle->font();
    titleFont.setPointSizeF(13.5);
    m_ui->lblTitle->setFont(titleFont);
    // Designer wants each name once; the two lines of the separator are
    // both called Line1.
    m_ui->Line1_white->setObjectName(u"Line1"_s);

    // OK, Escape and the close box all unload the dialog.
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->cmdSysInfo, &QPushButton::clicked, this,
            guarded(this, [this] { startSystemInformation(); }));

    Load();
    m_ui->cmdOK->setFocus();
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
    setWindowTitle(u"À propos de "_s + AppInfo.title);
    m_ui->lblVersion->setText(
        u"Version %1.%2.%3"_s.arg(AppInfo.major).arg(AppInfo.minor).arg(AppInfo.revision));
    m_ui->lblTitle->setText(AppInfo.title);
}

void frmAbout::startSystemInformation()
{
    StartSysInfo(
        [this](const std::string &text) { showMessage(this, QString::fromStdString(text)); });
}
