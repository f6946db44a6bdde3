#pragma once

#include "ui/StatusSink.h"

#include <QCoreApplication>

class QLabel;
class QStatusBar;

namespace spinledger {

// The first panel of a window's status bar, written through setStatus.
class StatusLine : public StatusSink
{
public:
    // A wrapping line grows downwards instead of cutting a long text off.
    enum class Wrap
    {
        No,
        Yes,
    };
    explicit StatusLine(QStatusBar* bar, Wrap wrap = Wrap::No);

    // Shows the text and paints it at once. Input events stay queued, so no
    // other action of the user runs in the middle of the caller's.
    void setStatus(const QString& text, bool busy = false) override;
    QString text() const;

private:
    QStatusBar* m_bar;
    QLabel* m_panel;
};

} // namespace spinledger
