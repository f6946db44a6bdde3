#include "shell/SidePanelAnimation.h"

#include "ui/Twips.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace spinledger {

SidePanelAnimation::SidePanelAnimation(QWidget* window, int closedTwips, int openedTwips)
    : QObject(window), m_window(window), m_timer(new QTimer(window)), m_closedTwips(closedTwips),
      m_panelTwips(openedTwips - closedTwips)
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &SidePanelAnimation::tick);
}

bool SidePanelAnimation::isRunning() const
{
    return m_timer->isActive();
}

int SidePanelAnimation::shownWidth() const
{
    if (!m_window || (!m_open && !isRunning()))
        return 0;
    return std::clamp(m_window->width() - Twips::toPixels(m_closedTwips), 0, Twips::toPixels(m_panelTwips));
}

void SidePanelAnimation::toggle()
{
    m_widthTwips = Twips::fromPixels(m_window->width());
    // Opening from rest starts from the width the player left the window at.
    if (!m_open && !isRunning())
        m_closedTwips = m_widthTwips;
    m_open = !m_open;
    m_toggleDo = m_open ? ToggleDo::Open : ToggleDo::Close;
    m_timer->start();
}

void SidePanelAnimation::tick()
{
    if (m_toggleDo == ToggleDo::Open) {
        m_widthTwips += StepTwips;
        if (m_widthTwips >= m_closedTwips + m_panelTwips)
            m_timer->stop();
    } else {
        m_widthTwips -= StepTwips;
        if (m_widthTwips <= m_closedTwips) {
            m_timer->stop();
            m_widthTwips = m_closedTwips;
        }
    }
    applyWidth();
}

void SidePanelAnimation::applyWidth()
{
    if (m_window)
        m_window->resize(Twips::toPixels(m_widthTwips), m_window->height());
}

} // namespace spinledger
