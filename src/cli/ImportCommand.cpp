#include "cli/ImportCommand.h"

#include <algorithm>
#include <optional>

#include "cli/DoublingOptions.h"
#include "cli/Session.h"
#include "cli/TerminalProgress.h"
#include "io/ImportLog.h"
#include "io/SpinImport.h"
#include "store/InstanceLock.h"
#include "wheel/Wheel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

namespace spinledger::cli {

namespace {

const QString Amount = QStringLiteral("amount");

bool isNumber(const QString& text)
{
    bool number = false;
    text.trimmed().toLongLong(&number);
    return number;
}

const QString UndoLast = QStringLiteral("undo-last");

// Takes back the casino's last import, as File → "Undo last import" does.
int undoLastImport(Session& s, const Wheel& wheel)
{
    if (!s.args().positionalArguments().isEmpty())
        return s.refuse(Session::tr("--undo-last takes no FILE"));
    const std::optional<Casino> casino = s.casino();
    if (!casino)
        return Refused;
    const Result<qint64> removed = ImportLog::undoLast(s.app(), wheel, casino->id);
    if (!removed)
        return s.fail(removed.status());
    if (*removed == 0)
        return s.refuse(Session::tr("casino '%1' (%2 wheel) has no import to undo: none was made, or a "
                                    "spin was recorded after it")
                            .arg(casino->name, QString(wheel.letter())));
    s.out() << Session::tr("Removed the %1 spins of the last import from casino '%2' (%3 wheel)\n")
                   .arg(QLocale().toString(*removed), casino->name, QString(wheel.letter()));
    s.out().flush();
    return Done;
}

int importSpins(Session& s)
{
    const Wheel* wheel = s.wheel();
    if (!wheel)
        return Refused;
    if (!s.args().isSet(QStringLiteral("casino")))
        return s.refuse(Session::tr("--casino NAME-or-ID is required"));
    std::optional<double> amount;
    if (s.args().isSet(Amount)) {
        amount = DoublingOptions::positiveAmount(s.args().value(Amount));
        if (!amount)
            return s.refuse(Session::tr("--amount needs a positive amount such as 10 or 2.5, not '%1'")
                                .arg(s.args().value(Amount)));
    }
    const QString folder = InstanceLock::folderOf(s.databasePath());
    QLockFile importing(InstanceLock::importPathBeside(s.lockPath()));
    if (!importing.tryLock(0))
        return s.refuse(Session::tr("another import into %1 is running: wait until it has ended")
                            .arg(QDir::toNativeSeparators(folder)));
    QLockFile lock(s.lockPath());
    if (!lock.tryLock(0))
        return s.refuse(Session::tr("Spinledger is open on %1: close its window first, as it would not show "
                                    "the imported spins")
                            .arg(QDir::toNativeSeparators(folder)));
    if (!s.open(Database::Mode::ReadWrite))
        return Refused;
    if (s.args().isSet(UndoLast))
        return undoLastImport(s, *wheel);

    Casino casino;
    const Session::Lookup found = s.findCasino(casino);
    if (found == Session::Lookup::Refused)
        return Refused;
    const QString wanted = s.args().value(QStringLiteral("casino"));
    const QString newName = CasinoStore::cleanName(wanted);
    if (found == Session::Lookup::Missing) {
        // Digits name a casino by its id; a new casino needs a name.
        if (isNumber(wanted))
            return s.refuse(
                Session::tr("no casino with the id %1 (spinledger-cli casinos lists them)").arg(wanted));
        if (newName.isEmpty() || CasinoStore::tooLong(newName))
            return s.refuse(Session::tr("a new casino needs a name of 1 to %1 characters")
                                .arg(CasinoStore::MaxNameLength));
    }

    const QString path = s.args().positionalArguments().value(0);
    TerminalProgress progress(s);
    const SpinImport::Progress report = progress.callback();
    SpinImport import(s.app(), *wheel);
    import.setSoleConnection(true); // the locks above keep the window and other imports out
    if (amount)
        import.setAmount(*amount);
    SpinImport::Report result = import.check(path, found == Session::Lookup::Found ? casino.id : 0, report);
    if (result.message == SpinImport::noStake())
        return s.refuse(Session::tr("the wheel's amount is 0, so no stake would stand: give --amount "
                                    "(such as --amount 10) or type a base stake on the board"));
    if (result.outcome != SpinImport::Outcome::Imported)
        return s.notImported(result);
    s.safeguard(BackupFolder::Kind::BeforeImport);
    // The new casino and its spins commit together, or neither does.
    if (found == Session::Lookup::Missing)
        import.createCasino(newName);
    result = import.write(found == Session::Lookup::Found ? casino.id : 0, report);
    if (result.outcome != SpinImport::Outcome::Imported)
        return s.notImported(result);
    if (found == Session::Lookup::Missing) {
        casino = {result.casino, newName};
        s.out() << Session::tr("Created casino '%1' (id %2)\n").arg(casino.name).arg(casino.id);
    }
    s.out() << Session::tr("Imported %1 spins into casino '%2' (%3 wheel), %4\n")
                   .arg(QLocale().toString(result.spins), casino.name, QString(wheel->letter()),
                        result.readAs);
    s.out().flush();
    return Done;
}

} // namespace

Command importCommand()
{
    return {QStringLiteral("import"),
            Session::tr("Play the spins of a file into a casino (created when missing)."),
            Session::tr("FILE"),
            {Options::wheel(), Options::casino(), Options::db(),
             QCommandLineOption(Amount,
                                Session::tr("Base stake of the imported spins instead of the wheel's "
                                            "amount, which a fresh installation leaves at 0."),
                                Session::tr("AMOUNT")),
             QCommandLineOption(UndoLast, Session::tr("Take back the casino's last import instead, while no "
                                                      "spin was recorded there after it."))},
            &importSpins,
            UndoLast};
}

} // namespace spinledger::cli
