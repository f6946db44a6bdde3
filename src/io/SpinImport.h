#pragma once

#include "io/SpinList.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace spinledger {

class AppContext;
class DbError;
class Wheel;
struct SpinOutcome;

// Brings a spin file into a casino: the file is read once and checked whole
// first, then every spin is played through the engine as a click would, all
// in one transaction, so the import is all or nothing. Without stamps in the
// file the spins follow the casino's newest spin a second apart; a casino
// without spins gets them so that the last one is stamped with the moment of
// the import. Works on any context: the application's database, a second
// connection to it, or a scratch database.
class SpinImport
{
    Q_DECLARE_TR_FUNCTIONS(SpinImport)
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
        QString readAs;  // how the file was read: "read as a list of 5,000 pockets"
        qint64 casino = 0;
    };
    enum class Step
    {
        Checking,  // done and total are bytes of the file (total -1 for a pipe)
        BackingUp, // the file in use is copied before the spins go in; no counts
        Recording, // done and total are spins
    };
    // Returns false to cancel.
    using Progress = std::function<bool(Step step, qint64 done, qint64 total)>;

    SpinImport(AppContext& app, const Wheel& wheel) : m_app(app), m_wheel(wheel) {}

    // Reads the wheel's settings and checks the file ("-": standard input)
    // against them and against the casino's newest spin (casino 0: one that
    // does not exist yet). An amount of 0 is refused before the file is
    // read: every stake would be 0.
    Report check(const QString& path, qint64 casino, const Progress& progress = {});
    // For write(0): the casino is added under this name in the transaction of
    // its spins, so both go in or neither does.
    void createCasino(const QString& name) { m_newCasino = name; }
    // Records the file that check() accepted into the casino.
    Report write(qint64 casino, const Progress& progress = {});

    // What a trial tells of each spin: its place in the file (from 1) and
    // what the engine made of it.
    using Played = std::function<void(qint64 spin, const SpinOutcome& outcome)>;
    // Plays the file that check() accepted through the engine as write()
    // would into the casino, but writes nothing: for a backtest, which needs
    // only the outcomes, so its memory does not grow with the file.
    Report trial(qint64 casino, const Played& played, const Progress& progress = {});

    const SpinList& spins() const { return m_list; }
    // Plays the checked spins with the 00 switch set so (the backtest's
    // choice from the file); the settings read by check() hold otherwise.
    void setZeroZero(bool on) { m_settings.zeroZeroEnabled = on; }
    // The seed of the tie-breaks; without one the moment of the write seeds them.
    void setSeed(quint64 seed) { m_seed = seed; }
    // The base stake of this import instead of the wheel's stored amount.
    void setAmount(double amount) { m_amount = amount; }
    // The caller has closed every other connection to the file it could (the
    // command line has no others, the window closes its own): the spins then
    // go in through a rollback journal, which keeps a long import from
    // slowing down. Where one is still open, they go to the log.
    void setSoleConnection(bool sole) { m_soleConnection = sole; }

    // Why an import is refused while the amount is 0.
    static QString noStake();

private:
    QString failureLine(const DbError& e) const;
    // Without played, the spins are written; with it, only told.
    Report record(qint64 casino, const Progress& progress, const Played* played = nullptr);

    AppContext& m_app;
    const Wheel& m_wheel;
    WheelSettings m_settings;
    SpinList m_list;
    QDateTime m_moment; // of the check, which is the moment of the import
    bool m_checked = false;
    QString m_newCasino;
    std::optional<quint64> m_seed;
    std::optional<double> m_amount;
    bool m_soleConnection = false;
};

} // namespace spinledger
