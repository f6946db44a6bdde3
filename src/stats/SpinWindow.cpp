#include "stats/SpinWindow.h"

#include "store/Database.h"
#include "wheel/Wheel.h"

#include <algorithm>

namespace spinledger::stats::SpinWindows {

namespace {

// Spins of the casino stamped before the stamp (all of them without one).
qint64 spinsBefore(Database& db, const Wheel& w, qint64 settingId, qint64 casino, std::optional<double> stamp)
{
    QString sql = QStringLiteral("SELECT count(*) FROM %1 WHERE ka_app_setting_id = ?1 AND %2 = ?2")
                      .arg(w.spinTable(), w.casinoSetting());
    if (stamp)
        sql += QStringLiteral(" AND %1_now < ?3").arg(w.spinTable());
    Statement q = db.prepare(sql);
    q.bind(1, settingId).bind(2, casino);
    if (stamp)
        q.bind(3, *stamp);
    return q.next() ? q.integer(0) : 0;
}

} // namespace

SpinSpan resolve(Database& db, const Wheel& w, qint64 settingId, qint64 casino, const SpinWindow& window)
{
    SpinSpan span;
    span.total = spinsBefore(db, w, settingId, casino, std::nullopt);
    span.last = span.total;
    switch (window.kind) {
    case SpinWindow::Kind::All:
        break;
    case SpinWindow::Kind::Last:
        span.first = std::max<qint64>(1, span.total - std::max<qint64>(0, window.last) + 1);
        break;
    case SpinWindow::Kind::Session:
    case SpinWindow::Kind::Dates:
        if (window.from)
            span.first = spinsBefore(db, w, settingId, casino, window.from) + 1;
        if (window.until)
            span.last = spinsBefore(db, w, settingId, casino, window.until);
        break;
    }
    return span;
}

} // namespace spinledger::stats::SpinWindows
