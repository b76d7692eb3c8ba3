#pragma once

#include "form1.h"
#include "multilinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <memory>

// What the main window's tests share: the window, built afresh for each
// test, and its controls found by their form names.
class Form1Test : public QObject
{
protected:
    // For init(): a new window, shown and active.
    void openWindow()
    {
        m_window = std::make_unique<Form1>();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // For cleanup().
    void closeWindow()
    {
        m_window.reset();
        QApplication::clipboard()->clear();
    }

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
};
