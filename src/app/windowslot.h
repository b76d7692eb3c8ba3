#pragma once

#include <QPointer>
#include <QWidget>

// One application-wide instance of a window class. The slot is empty until
// the window is first shown; showing loads it (builds it and its controls
// from their design-time contents) when it is not loaded. Unloading
// destroys the window and everything typed into it; the next show builds it
// anew. The program ends, by Qt's rule, when its last window has closed.
template<typename Window>
class WindowSlot
{
public:
    // Loads the window if needed, shows it modeless and brings it to the
    // front, restored if the user had minimised it.
    Window *show()
    {
        if (!isLoaded()) {
            m_window = new Window;
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return m_window;
    }

    // Closes and destroys the window; safe from inside the window's own
    // handlers, as the destruction waits until they have returned.
    void unload()
    {
        if (isLoaded())
            m_window->close();
    }

    // A closed window is gone for the user even before Qt destroys it.
    bool isLoaded() const { return m_window && !m_window->isHidden(); }
    Window *window() const { return isLoaded() ? m_window.data() : nullptr; }

    static WindowSlot &instance()
    {
        static WindowSlot slot;
        return slot;
    }

private:
    WindowSlot() = default;
    QPointer<Window> m_window;
};
