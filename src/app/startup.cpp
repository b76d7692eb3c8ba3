#include "startup.h"

#include "appinfo.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace {

// The sizes a window manager draws a window's icon at: title bars and task
// bars from 16 to 24 pixels, window switchers from 32 to 64. The program
// carries these alone: on X11 every size of the window icon is decoded and
// sent to the server in _NET_WM_ICON before the window shows, and the
// desktop takes the larger ones and the scalable one from the icon theme,
// through the desktop entry the window names.
constexpr int IconSizes[] = {16, 24, 32, 48, 64};

QIcon bundledIcon()
{
    QIcon icon;
    for (int size : IconSizes) {
        icon.addFile(
            QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(QLatin1String(ApplicationId)),
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

    // The window icon is the program's own copy of the pictures it installs
    // into the hicolor theme. Looking the icon up in the theme instead would
    // read the theme's index and test each of its folders, and those of the
    // themes it inherits, on every start. It is decoded once the event loop
    // runs, after the first window has shown, which then takes it like any
    // window shown later.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(bundledIcon()); });
    return report;
}
