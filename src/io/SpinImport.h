#pragma once

#include "store/SettingsStore.h"

#include <QString>

#include <functional>
#include <optional>

namespace spinledger {

class AppContext;
class Wheel;

// Brings a spin file into a casino: the whole file is checked first, then
// every spin is played through the engine as a click would, all in one
// transaction, so the import is all or nothing. Without stamps in the file
// the spins follow the casino's newest spin a second apart; a casino without
// spins gets them so that the last one is stamped with the moment of the
// import. Works on any context: the application's database, a second
// connection to it, or a scratch database.
class SpinImport
{
public:
    enum class Outcome
    {
        Imported,
        Refused,   // the file breaks a rule; nothing was written
        Cancelled, // nothing was written
        Failed,    // the database failed; nothing was written
    };
    struct Report
    {
        Outcome outcome = Outcome::Refused;
        qint64 spins = 0;
        QString message; // why, when not imported
    };
    enum class Step
    {
        Checking,  // done and total are bytes of the file
        Recording, // done and total are spins
    };
    // Returns false to cancel.
    using Progress = std::function<bool(Step step, qint64 done, qint64 total)>;

    SpinImport(AppContext& app, const Wheel& wheel) : m_app(app), m_wheel(wheel) {}

    // Reads the wheel's settings and checks the file against them and against
    // the casino's newest spin (casino 0: one that does not exist yet). An
    // amount of 0 is refused before the file is read: every stake would be 0.
    Report check(const QString& path, qint64 casino, const Progress& progress = {});
    // Records the file that check() accepted into the casino.
    Report write(qint64 casino, const Progress& progress = {});

    qint64 spins() const { return m_spins; }
    // The seed of the tie-breaks; without one the moment of the write seeds them.
    void setSeed(quint64 seed) { m_seed = seed; }
    // The base stake of this import instead of the wheel's stored amount.
    void setAmount(double amount) { m_amount = amount; }

    // Why an import is refused while the amount is 0.
    static const QString NoStake;

private:
    AppContext& m_app;
    const Wheel& m_wheel;
    QString m_path;
    WheelSettings m_settings;
    qint64 m_spins = 0;
    bool m_checked = false;
    std::optional<quint64> m_seed;
    std::optional<double> m_amount;
};

} // namespace spinledger
