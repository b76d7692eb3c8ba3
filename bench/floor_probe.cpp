// The floor: an empty Qt main window of the same size with a menu bar.
#include "probereport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Quitter"));
    window.menuBar()->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QWidget);
    window.resize(650, 462 + window.menuBar()->sizeHint().height());
    reportFirstPaint(&window);
    window.show();
    return app.exec();
}
