#include "shell/SidePanelAnimation.h"

#include <QTimer>
#include <QWidget>

namespace spinledger {

SidePanelAnimation::SidePanelAnimation(QWidget* window, int closedTwips, int openedTwips)
    : QObject(window), m_window(window), m_timer(new QTimer(window)), m_closedTwips(closedTwips),
      m_openedTwips(openedTwips)
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &SidePanelAnimation::tick);
}

bool SidePanelAnimation::isRunning() const
{
    return m_timer->isActive();
}

void SidePanelAnimation::toggle()
{
    // The width in whole pixels, so a window that is not exactly closed counts
    // as open.
    m_widthTwips = m_window->width() * TwipsPerPixel;
    m_toggleDo = m_widthTwips != m_closedTwips ? ToggleDo::Close : ToggleDo::Open;
    m_timer->start();
}

void SidePanelAnimation::tick()
{
    if (m_toggleDo == ToggleDo::Open) {
        m_widthTwips += StepTwips;
        if (m_widthTwips >= m_openedTwips)
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
        m_window->resize((m_widthTwips + TwipsPerPixel / 2) / TwipsPerPixel, m_window->height());
}

} // namespace spinledger
