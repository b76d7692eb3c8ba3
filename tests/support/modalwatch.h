#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs check on the next modal dialog once it is up, from inside its own
// event loop, then closes it. Message boxes block until closed, so a test
// arms this before the step that opens one.
inline void onNextModal(std::function<void(QWidget *)> check)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, check] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            check(modal);
            modal->close();
        }
    });
    timer->start();
}
