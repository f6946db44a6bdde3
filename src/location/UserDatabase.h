#pragma once

#include "location/DataLocation.h"

#include <QCoreApplication>
#include <QString>

namespace spinledger {

// Gives an installed program's user a database of their own on the first
// start: a copy of the shared database of an earlier version when that one
// holds spins (copied whole and checked, or not at all), else a copy of the
// installation's empty template. The shared file is never changed.
class UserDatabase
{
    Q_DECLARE_TR_FUNCTIONS(UserDatabase)

public:
    enum class Outcome
    {
        Existing,     // the user has one already (or the folder is portable)
        FromTemplate, // a new, empty one
        MovedOver,    // a copy of the shared one, with its spins
        Failed,       // nothing was made; message says why
    };

    struct Report
    {
        Outcome outcome = Outcome::Existing;
        QString message; // the one line the user reads; empty for Existing and FromTemplate
    };

    static Report provide(const DataLocation& location);

private:
    static Report moveOver(const QString& shared, const QString& target);
    static Report fromTemplate(const QString& templateFile, const QString& target);
    static bool copyWhole(const QString& from, const QString& to, QString& why);
    static Report failed(const QString& line);
    // Puts the finished file in place unless another start did it first.
    static bool place(const QString& staged, const QString& target, QString& why);
};

} // namespace spinledger
