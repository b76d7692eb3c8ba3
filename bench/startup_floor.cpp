// The floor of start-up: an empty Qt main window of Quillora's size with a
// menu bar, and nothing else. scripts/bench installs it beside Quillora and
// times both from outside.
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
    window.show();
    return app.exec();
}
