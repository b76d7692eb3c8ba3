// The floor of start-up: an empty Qt main window of Quillora's size with a
// menu bar, and nothing else. scripts/bench installs it beside Quillora and
// times both from outside.
//
// Built with FLOOR_CONTROLS, the window also holds one control of each kind
// the main window has, with Qt's default font: what those kinds cost before
// the window shows, apart from the program's own work.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#ifdef FLOOR_CONTROLS
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Quitter"));
    window.menuBar()->addAction(QStringLiteral("&About"));
    auto *client = new QWidget;
#ifdef FLOOR_CONTROLS
    auto *label = new QLabel(QStringLiteral("&Titre:"), client);
    auto *field = new QLineEdit(QStringLiteral("Mon titre"), client);
    label->setBuddy(field);
    auto *list = new QComboBox(client);
    list->addItems({QStringLiteral("Oui"), QStringLiteral("Non")});
    list->setLineEdit(new QLineEdit(list));
    auto *group = new QGroupBox(client);
    new QCheckBox(group);
    new QPushButton(QStringLiteral("&Générerer"), group);
    new QPlainTextEdit(client);
    const QList<QWidget *> controls = client->findChildren<QWidget *>();
    for (int i = 0; i < controls.size(); ++i)
        controls[i]->setGeometry(8, 8 + 32 * i, 200, 24);
#endif
    window.setCentralWidget(client);
    window.resize(650, 462 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
