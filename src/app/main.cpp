#include "appinfo.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
    QMainWindow window;
    window.show();
    return app.exec();
}
