#pragma once

#include <QString>
#include <QStringList>

namespace spinledger {

class Database;

// The engine's quick check of a whole database file: every page readable and
// every record where its page says it is. It reads the file once and writes
// nothing, so it can judge a file before anything is written into it.
namespace IntegrityCheck {

struct Finding
{
    bool sound = false;
    // What the engine found damaged, at most the limit asked for; or why the
    // check itself could not run.
    QStringList problems;
};

Finding quick(Database& db, int limit = 20);

} // namespace IntegrityCheck

} // namespace spinledger
