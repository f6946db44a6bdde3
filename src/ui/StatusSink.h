#pragma once

#include <QCoreApplication>
#include <QString>

namespace spinledger {

// Where an operation reports progress and failures: the status bar of the
// window it belongs to (the splash during start-up, the main window after).
class StatusSink
{
public:
    virtual ~StatusSink() = default;
    // Shows the text (followed by ", please Wait ...." when busy; "Fertig" for
    // an empty text) and repaints at once, without handing input to the window.
    virtual void setStatus(const QString& text, bool busy = false) = 0;

    // The line every status bar shows for that text.
    static QString shownText(const QString& text, bool busy)
    {
        if (text.isEmpty())
            return QStringLiteral("Fertig");
        return busy ? text + QCoreApplication::translate("StatusLine", ", please Wait ....") : text;
    }
};

} // namespace spinledger
