#include "startup.h"

#include "appinfo.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The sizes rendered from the scalable icon, bundled and installed alike.
constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QIcon bundledIcon()
{
    QIcon icon;
    for (int size : IconSizes) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/%2.png")
                         .arg(size)
                         .arg(QLatin1String(ApplicationId)),
                     QSize(size, size));
    }
    return icon;
}

} // namespace

StartupReport prepareApplication(QApplication &app)
{
    StartupReport report;
    const QString id = QString::fromLatin1(ApplicationId);

    // On X11 the class part of WM_CLASS is the application name, which the
    // desktop entry's StartupWMClass repeats; on Wayland the desktop file
    // name is the window's app id. Either way a task bar finds the entry of
    // the window, and screen readers say the plain name.
    QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QGuiApplication::setDesktopFileName(id);

    // The program is French whatever the user's locale, and so are the texts
    // Qt draws itself, such as the context menu of every field.
    auto *translator = new QTranslator(&app);
    // The Windows program carries its own copy, since it ships no
    // translations folder.
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || translator->load(QStringLiteral(":/translations/qtbase_fr.qm"))) {
        QCoreApplication::installTranslator(translator);
        report.frenchQtTexts = true;
    } else {
        delete translator;
    }

    QApplication::setWindowIcon(QIcon::fromTheme(id, bundledIcon()));
    return report;
}
