#pragma once

#include "store/Result.h"

#include <QtGlobal>

#include <optional>

namespace spinledger {

class AppContext;
class Database;
class Wheel;

// The spins each import wrote, so that the last import of a casino can be
// taken back for as long as nothing was recorded there after it.
namespace ImportLog {

struct Span
{
    qint64 first = 0; // spin keys, both included
    qint64 last = 0;
    qint64 spins = 0; // of them still there
};

// The highest spin key the wheel has handed out so far (0 for none).
qint64 newestSpinKey(Database& db, const Wheel& wheel);
// Notes the casino's spins with a key above `before` as one import; inside
// the import's transaction. Throws DbError.
void record(Database& db, qint64 settingId, const Wheel& wheel, qint64 casino, qint64 before);
// The casino's last import while no spin came after it. Throws DbError.
std::optional<Span> undoable(Database& db, qint64 settingId, const Wheel& wheel, qint64 casino);
// Removes the spins of that import with their counts, advice and
// judgements in one transaction, and recounts the casino's tallies as an
// undo does; the advice that stood before the import stands again. Answers
// the spins removed (0 when there was nothing to undo), or the status line
// of a failure, after which nothing has changed.
Result<qint64> undoLast(AppContext& app, const Wheel& wheel, qint64 casino);

} // namespace ImportLog

} // namespace spinledger
