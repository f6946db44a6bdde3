#include "casinos/WindowBusy.h"

namespace spinledger {

WindowBusy::WindowBusy(QWidget* anyWidget) : m_window(anyWidget ? anyWidget->window() : nullptr)
{
    if (!m_window)
        return;
    m_wasEnabled = m_window->isEnabled();
    m_window->setEnabled(false);
}

WindowBusy::~WindowBusy()
{
    if (m_window)
        m_window->setEnabled(m_wasEnabled);
}

} // namespace spinledger
