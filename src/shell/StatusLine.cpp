#include "shell/StatusLine.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

namespace spinledger {

StatusLine::StatusLine(QStatusBar* bar) : m_bar(bar), m_panel(new QLabel(bar))
{
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setTextFormat(Qt::PlainText);
    m_bar->addWidget(m_panel, 1);
}

void StatusLine::setStatus(const QString& text, bool busy)
{
    if (text.isEmpty()) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        m_panel->setText(Done);
    } else {
        m_panel->setText(busy ? text + BusySuffix : text);
    }
    m_panel->repaint();
}

QString StatusLine::text() const
{
    return m_panel->text();
}

} // namespace spinledger
