#include "cli/WindowOptions.h"

#include "cli/Session.h"
#include "io/IsoStamp.h"
#include "session/SessionStore.h"
#include "store/OleDate.h"

namespace spinledger::cli::WindowOptions {

namespace {

const QString Last = QStringLiteral("last");
const QString SessionOption = QStringLiteral("session");
const QString Since = QStringLiteral("since");
const QString Until = QStringLiteral("until");

constexpr qint64 MsecsPerDay = 24 * 60 * 60 * 1000;

// A date alone ("2026-12-06") names the whole day: an end after it is the
// start of the next day.
std::optional<double> stampOf(const QString& text, bool isEnd)
{
    const std::optional<qint64> msecs = IsoStamp::parse(text.trimmed());
    if (!msecs)
        return std::nullopt;
    const bool dayOnly = text.trimmed().size() == 10;
    return OleStamp::fromMsecs(*msecs + (isEnd && dayOnly ? MsecsPerDay : 0)).now;
}

} // namespace

QList<QCommandLineOption> options()
{
    return {
        QCommandLineOption(Last, Session::tr("Only the newest N spins of the casino."), QStringLiteral("N")),
        QCommandLineOption(SessionOption, Session::tr("Only the spins of the current session.")),
        QCommandLineOption(Since,
                           Session::tr("Only spins from this date on (2026-12-06, or with a time: "
                                       "2026-12-06T18:00)."),
                           QStringLiteral("DATE")),
        QCommandLineOption(Until,
                           Session::tr("Only spins up to this date, the whole day included (or up to "
                                       "a time: 2026-12-06T18:00)."),
                           QStringLiteral("DATE"))};
}

std::optional<stats::SpinWindow> window(Session& s, const Wheel& wheel)
{
    const QCommandLineParser& a = s.args();
    const bool dates = a.isSet(Since) || a.isSet(Until);
    if (int(a.isSet(Last)) + int(a.isSet(SessionOption)) + int(dates) > 1) {
        s.refuse(Session::tr("Choose one window: --last, --session, or --since and --until"));
        return std::nullopt;
    }
    if (a.isSet(Last)) {
        bool ok = false;
        const qint64 n = a.value(Last).trimmed().toLongLong(&ok);
        if (!ok || n < 1) {
            s.refuse(Session::tr("--last needs a whole number of at least 1, not '%1'").arg(a.value(Last)));
            return std::nullopt;
        }
        return stats::SpinWindow::newest(n);
    }
    if (a.isSet(SessionOption)) {
        // The session the window keeps for this wheel; the tab's "This session" is the same.
        const std::optional<SessionStore::Start> start =
            SessionStore::start(s.db(), s.app().settingId, wheel);
        if (!start) {
            s.refuse(Session::tr("--session needs a session, and the window has not started one on this "
                                 "wheel yet: use --last N or --since DATE"));
            return std::nullopt;
        }
        return stats::SpinWindow::session(start->stamp);
    }
    if (!dates)
        return stats::SpinWindow{};
    std::optional<double> bounds[2];
    for (const auto& [name, isEnd] : {std::pair{Since, false}, std::pair{Until, true}}) {
        if (!a.isSet(name))
            continue;
        bounds[isEnd] = stampOf(a.value(name), isEnd);
        if (!bounds[isEnd]) {
            s.refuse(Session::tr("--%1 needs a date such as 2026-12-06 or 2026-12-06T18:00, not '%2'")
                         .arg(name, a.value(name)));
            return std::nullopt;
        }
    }
    if (bounds[0] && bounds[1] && *bounds[1] <= *bounds[0]) {
        s.refuse(Session::tr("--until must come after --since"));
        return std::nullopt;
    }
    return stats::SpinWindow::dates(bounds[0], bounds[1]);
}

} // namespace spinledger::cli::WindowOptions
