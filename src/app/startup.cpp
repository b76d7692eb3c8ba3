#include "app/startup.h"

#include "app/appinfo.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace {

// The window icon: the build bundles a picture for each size a window
// manager draws, one folder each, named after its size.
QIcon bundledIcon()
{
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString &folder : icons.entryList(QDir::Dirs)) {
        const int size = folder.section(QLatin1Char('x'), 0, 0).toInt();
        icon.addFile(icons.filePath(folder + QLatin1Char('/') + QLatin1String(ApplicationId)
                                    + QLatin1String(".png")),
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
