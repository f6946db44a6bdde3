#pragma once

#include <QString>

namespace spinledger {

// The program's identification: what the version record of the program holds
// and the windows show.
struct AppInfo
{
    static QString title() { return QStringLiteral("Spinledger"); }
    static QString productName() { return QStringLiteral("Spinledger - Roulette Ledger"); }
    static QString legalNotice()
    {
        return QStringLiteral("Copyright \u00A9 2026 Spinledger. All rights reserved.");
    }
    static QString companyName() { return QStringLiteral("Spinledger Software"); }
    // Major, minor and revision joined with ".".
    static QString version() { return QStringLiteral(SPINLEDGER_VERSION); }
};

} // namespace spinledger
