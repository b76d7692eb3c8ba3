#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs check on the next modal dialog once it is up, from inside its own
// event loop, then closes it. Message boxes block until closed, so a test
// declares a watch before the step that opens one.
//
// A watch belongs to the test function that declares it and ends with it, so
// nothing of it runs on into a later test. When no dialog has come by then,
// it waits out the rest of its deadline, counted from its start; if none
// comes, the test fails.
class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(QWidget *)> check = {}, int deadlineMs = 5000)
        : m_check(std::move(check)), m_deadlineMs(deadlineMs)
    {
        m_started.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                m_timer.stop();
                m_seen = true;
                if (m_check)
                    m_check(modal);
                modal->close();
            }
        });
        m_timer.start();
    }
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;

    ~ModalWatch()
    {
        const int left = m_deadlineMs - int(m_started.elapsed());
        const bool seen = m_seen || (left > 0 && QTest::qWaitFor([this] { return m_seen; }, left));
        m_timer.stop();
        // A test that failed already said what went wrong.
        if (!seen && !QTest::currentTestFailed())
            QTest::qFail(
                qPrintable(QStringLiteral("no modal dialog came within %1 ms").arg(m_deadlineMs)),
                __FILE__, __LINE__);
    }

private:
    std::function<void(QWidget *)> m_check;
    int m_deadlineMs;
    bool m_seen = false;
    QElapsedTimer m_started;
    QTimer m_timer;
};

// Records what the next message box shows, then closes it: a ModalWatch that
// keeps what it saw.
class MessageWatch
{
public:
    bool shown = false;
    QString text;
    QString caption;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    Qt::WindowModality modality = Qt::NonModal;

private:
    // Declared last, so that it ends before the fields it fills.
    ModalWatch m_watch{[this](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            shown = true;
            text = box->text();
            caption = box->windowTitle();
            buttons = int(box->buttons().size());
            icon = box->icon();
            modality = box->windowModality();
        }
    }};
};
