#pragma once

#include <QPointer>
#include <QWidget>

namespace spinledger {

// Keeps the window of a widget disabled while an operation runs, so no other
// user action can start in between; restores it however the operation ends.
class WindowLock
{
public:
    explicit WindowLock(QWidget* widget) : m_window(widget->window()), m_wasEnabled(m_window->isEnabled())
    {
        m_window->setEnabled(false);
    }
    ~WindowLock()
    {
        if (m_window)
            m_window->setEnabled(m_wasEnabled);
    }
    WindowLock(const WindowLock&) = delete;
    WindowLock& operator=(const WindowLock&) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_wasEnabled;
};

} // namespace spinledger
