// Quillora's own start: its start-up, then the main window built and shown
// through its slot.
#include "form1.h"
#include "probereport.h"
#include "startup.h"
#include "windowslot.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    reportFirstPaint(WindowSlot<Form1>::instance().show());
    return app.exec();
}
