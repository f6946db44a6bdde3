#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <optional>

namespace spinledger {

class Database;
class Wheel;

// Where each wheel's session starts: a session begins with the program or
// when the player asks for a new one, and is kept so that a restart on the
// same day may go on with it.
namespace SessionStore {

struct Start
{
    double stamp = 0;    // a day number with the time as its fraction, as the spins' stamps
    qint64 afterKey = 0; // the session's spins are those with a higher key, an import's apart
};

// Where the wheel's session began; nothing before the first session.
// Throws DbError.
std::optional<Start> start(Database& db, qint64 settingId, const Wheel& wheel);
// The start a session begun at the moment has: after the newest spin.
// Throws DbError.
Start startingAt(Database& db, const Wheel& wheel, const QDateTime& at);
// A new session from the given moment on; one transaction. Throws DbError.
void begin(Database& db, qint64 settingId, const Wheel& wheel, const QDateTime& at);
// The start as the player's clock shows it.
QDateTime startTime(double stamp);
// Whether a session that began at the stamp can be continued at `now`: only
// on the same day.
bool continuable(double stamp, const QDateTime& now);

} // namespace SessionStore

} // namespace spinledger
