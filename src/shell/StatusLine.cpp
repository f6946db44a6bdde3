#include "shell/StatusLine.h"

#include "ui/ElidedLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>

namespace spinledger {

// A line that does not wrap is cut short with "…": a long text never widens
// the window.
StatusLine::StatusLine(QStatusBar* bar, Wrap wrap)
    : m_bar(bar), m_panel(wrap == Wrap::Yes ? new QLabel(bar) : new ElidedLabel(bar))
{
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setTextFormat(Qt::PlainText);
    m_panel->setWordWrap(wrap == Wrap::Yes);
    m_bar->addWidget(m_panel, 1);
}

void StatusLine::setStatus(const QString& text, bool busy)
{
    if (text.isEmpty()) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    m_panel->setText(shownText(text, busy));
    // What a cut line leaves out shows when the pointer rests on it.
    if (!m_panel->wordWrap())
        m_panel->setToolTip(m_panel->text());
    if (m_panel->wordWrap()) {
        // The bar grows by the lines a long text needs, at once.
        const int lines = m_panel->heightForWidth(m_panel->width());
        m_panel->setMinimumHeight(lines);
        m_bar->setMinimumHeight(lines + m_bar->sizeHint().height() - m_panel->sizeHint().height());
        if (QLayout* layout = m_bar->parentWidget()->layout())
            layout->activate();
    }
    m_panel->repaint();
}

QString StatusLine::text() const
{
    return m_panel->text();
}

} // namespace spinledger
