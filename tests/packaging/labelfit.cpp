// Loaded into the installed program with LD_PRELOAD: once its main window
// shows, says for every label whether its text fits inside it with the
// fonts this system has, and ends the program with 0 when all fit, 1 when
// any does not. The program itself is not changed.
#include "textfit.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

void reportLabelsOnceShown()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            const QList<QLabel *> labels = window->findChildren<QLabel *>();
            if (!window->isVisible() || labels.isEmpty())
                continue;
            poll->stop();
            int failures = 0;
            for (const QLabel *label : labels) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                const QSize needed = labelTextNeeds(label);
                const bool fits =
                    needed.width() <= label->width() && needed.height() <= label->height();
                failures += fits ? 0 : 1;
                std::printf("%s %s \"%s\": needs %dx%d in %dx%d\n", fits ? "ok  " : "FAIL",
                            qPrintable(label->objectName()), qPrintable(label->text()),
                            needed.width(), needed.height(), label->width(), label->height());
            }
            std::fflush(stdout);
            QCoreApplication::exit(failures == 0 ? 0 : 1);
            return;
        }
    });
    poll->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(reportLabelsOnceShown)
