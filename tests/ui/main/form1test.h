#pragma once

#include "ui/main/form1.h"
#include "ui/shared/multilinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <memory>

// What the main window's tests share: the window, and its controls found by
// their form names. The rows of a data-driven test share one window, each
// row starting from where the one before left it; a new test, or a row after
// one that closed the window, gets a new one.
class Form1Test : public QObject
{
protected:
    // For init(): the window, shown and active.
    void openWindow()
    {
        const QByteArray test = QTest::currentTestFunction();
        if (!m_window || !m_window->isVisible() || test != m_test) {
            m_window.reset();
            m_window = std::make_unique<Form1>();
            m_window->show();
            m_test = test;
        }
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // For cleanup().
    static void clearClipboard() { QApplication::clipboard()->clear(); }

    template<typename T = QWidget>
    T *child(const char *name) const
    {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString output() const { return child<MultiLineBox>("Text6")->text(); }

    std::unique_ptr<Form1> m_window;

private:
    QByteArray m_test; // the test the window was built for
};
