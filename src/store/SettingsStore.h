#pragma once

#include "store/Result.h"
#include "wheel/Wheel.h"

#include <QString>

namespace spinledger {

class AppContext;

// The table settings of one wheel as the engine and the boards use them.
struct WheelSettings
{
    PerCategory<bool> played{};
    bool zeroZeroEnabled = false;
    QString amountText = QStringLiteral("0");
    double amount = 0;
    qint64 casino = 0;
};

// Reads and writes one setting of the running installation, addressed by the
// settings table and the name of the control that shows it.
class SettingsStore
{
public:
    explicit SettingsStore(AppContext& app) : m_app(app) {}

    // The stored value, trimmed; "0" when the installation has no row. Fails
    // with "(Setting ldb)" when the database cannot be used, and refuses any
    // table or column that is not a settings column.
    Result<QString> getSetting(const QString& table, const QString& column);
    Status setSetting(const QString& table, const QString& column, const QString& value);

    // The whole settings row of a wheel in one read.
    Result<WheelSettings> wheelSettings(const Wheel& wheel);

    static bool isSettingsColumn(const QString& table, const QString& column);

private:
    AppContext& m_app;
};

// Reads a stored amount or number written with '.', whatever the locale.
std::optional<double> parseStoredNumber(const QString& text);

} // namespace spinledger
