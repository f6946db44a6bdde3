#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QObject;

namespace spinledger {

class DataLocation;

// What the start-up needs from the machine. The defaults use the system; tests
// put fakes in and zero waits.
struct StartupServices
{
    // A stable text naming this installation; empty when there is none.
    std::function<QString()> installationId;
    // Starts a program with elevated rights, hidden, without waiting for it.
    std::function<bool(const QString& program, const QStringList& arguments)> startElevated;
    // Runs then after the given time, unless context is gone by then; the
    // windows keep painting and taking input meanwhile.
    std::function<void(int ms, QObject* context, std::function<void()> then)> wait;
    // The information box of the failed permission repair: title, text.
    std::function<void(const QString&, const QString&)> inform;
    // "Continue the session of 18:05?" with the time; true for Yes. Unset,
    // the main window asks with a message box of its own.
    std::function<bool(const QString& time)> askContinueSession;
    // A yes/no question: title, text; true for yes.
    std::function<bool(const QString&, const QString&)> confirm;
    // The passphrase of a protected database (attempt counts from 1 to
    // tries); nothing when the player gives up.
    std::function<std::optional<QString>(int attempt, int tries)> askPassphrase;
    QString userName;
    // Files larger than this are checked beside the running window.
    qint64 checkInlineBytes = 16 * 1024 * 1024;
    // The lock that keeps a second instance out.
    QString lockPath;
    // This installation's program file, and the program file a process runs
    // (empty when that cannot be told): a lock whose process runs anything
    // but this program was left behind, its process id taken by another.
    QString program;
    std::function<QString(qint64 pid)> programOf;

    static StartupServices system(const DataLocation& location);
    static QString loginName();
};

} // namespace spinledger
