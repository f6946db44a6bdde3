#pragma once

#include "store/Result.h"
#include "wheel/Wheel.h"

#include <QString>

#include <optional>

namespace spinledger {

class AppContext;
class Database;

// The table settings of one wheel as the engine and the boards use them.
struct WheelSettings
{
    PerCategory<bool> played{};
    bool zeroZeroEnabled = false;
    QString amountText = QStringLiteral("0");
    double amount = 0;
    qint64 casino = 0;
};

// Reads and writes the table settings of the running installation, one
// wheel at a time. Which column holds what is this class's own business;
// the stored texts ("1"/"0", amounts with '.') are those of every version.
// A failure is "(Setting ldb)" with its reason; a write to an installation
// without a row makes one that holds only the key and the value.
class SettingsStore
{
public:
    explicit SettingsStore(AppContext& app) : m_app(app) {}

    // The whole settings row of a wheel in one read.
    Result<WheelSettings> wheelSettings(const Wheel& wheel);
    Result<bool> played(const Wheel& wheel, CategoryId category);

    Status setPlayed(const Wheel& wheel, CategoryId category, bool played);
    Status setZeroZero(const Wheel& wheel, bool enabled);
    // The amount as it is stored: digits with '.', as AmountText makes it.
    Status setAmount(const Wheel& wheel, const QString& stored);
    // Only CurrentCasino chooses a casino; this writes its choice.
    Status setCasino(const Wheel& wheel, qint64 casino);

    // The casino column of a settings row, inside a caller's transaction;
    // nothing when the row is missing. DbError when it cannot be read or written.
    static std::optional<qint64> casinoOf(Database& db, const Wheel& wheel, qint64 settingId);
    static void storeCasino(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino);

private:
    // The stored value, trimmed; "0" when the installation has no row.
    Result<QString> value(const Wheel& wheel, const QString& column);
    Status write(const Wheel& wheel, const QString& column, const QString& value);

    AppContext& m_app;
};

// Reads a stored amount or number written with '.', whatever the locale.
std::optional<double> parseStoredNumber(const QString& text);

} // namespace spinledger
