#pragma once

#include "io/SpinImport.h"

#include <QElapsedTimer>

namespace spinledger::cli {

class Session;

// The progress of playing a spin file, on stderr when it is a terminal: a
// line that rewrites itself a few times a second.
class TerminalProgress
{
public:
    explicit TerminalProgress(Session& s);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool operator()(SpinImport::Step step, qint64 done, qint64 total);
    // This object as the import's progress callback.
    SpinImport::Progress callback();

private:
    Session& m_s;
    QElapsedTimer m_since;
    bool m_shown = false;
};

} // namespace spinledger::cli
