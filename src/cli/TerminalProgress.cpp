#include "cli/TerminalProgress.h"

#include "cli/Session.h"

namespace spinledger::cli {

namespace {
constexpr qint64 ProgressEveryMs = 100;
} // namespace

TerminalProgress::TerminalProgress(Session& s) : m_s(s)
{
    m_since.start();
}

TerminalProgress::~TerminalProgress()
{
    if (m_shown)
        m_s.err() << Qt::endl;
}

bool TerminalProgress::operator()(SpinImport::Step step, qint64 done, qint64 total)
{
    const bool last = done == total;
    if (!m_s.env().errIsTerminal || total <= 0 || (m_shown && !last && m_since.elapsed() < ProgressEveryMs))
        return true;
    m_since.restart();
    m_shown = true;
    const int percent = int(done * 100 / total);
    if (step == SpinImport::Step::Checking)
        m_s.err() << u'\r' << Session::tr("Checking the file... %1%").arg(percent, 3);
    else
        m_s.err() << u'\r'
                  << Session::tr("Importing spin %1 of %2... %3%").arg(done).arg(total).arg(percent, 3);
    m_s.err().flush();
    return true;
}

SpinImport::Progress TerminalProgress::callback()
{
    return [this](SpinImport::Step step, qint64 done, qint64 total) { return (*this)(step, done, total); };
}

} // namespace spinledger::cli
