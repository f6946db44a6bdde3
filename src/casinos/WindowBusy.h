#pragma once

#include <QPointer>
#include <QWidget>

namespace spinledger {

// Keeps a window disabled while an operation runs, so no other action of the
// user can start before it ends; restores the earlier state when it goes.
class WindowBusy
{
public:
    explicit WindowBusy(QWidget* anyWidget);
    ~WindowBusy();
    WindowBusy(const WindowBusy&) = delete;
    WindowBusy& operator=(const WindowBusy&) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_wasEnabled = true;
};

} // namespace spinledger
