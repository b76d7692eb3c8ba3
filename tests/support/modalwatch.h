#pragma once

#include <QApplication>
#include <QMessageBox>
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

// What a test saw of a message box.
struct SeenMessage
{
    bool shown = false;
    QString text;
    QString caption;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    Qt::WindowModality modality = Qt::NonModal;
};

// Records the next message box into seen, then closes it.
inline void recordNextMessage(SeenMessage &seen)
{
    onNextModal([&seen](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen.shown = true;
            seen.text = box->text();
            seen.caption = box->windowTitle();
            seen.buttons = int(box->buttons().size());
            seen.icon = box->icon();
            seen.modality = box->windowModality();
        }
    });
}
