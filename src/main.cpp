// The entry point, above everything it starts: start-up first, then the main
// window, then Qt's event loop until the last window has closed.
#include "app/startup.h"
#include "app/windowslot.h"
#include "ui/main/form1.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    // The command line is not read: only the program name reaches Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    prepareApplication(app);

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
