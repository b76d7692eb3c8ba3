#include "appinfo.h"
#include "form1.h"
#include "windowslot.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    // The command line is not read: only the program name reaches Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));

    try {
        WindowSlot<Form1>::instance().show();
        return app.exec();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "quillora: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "quillora: unexpected failure\n");
    }
    return 1;
}
