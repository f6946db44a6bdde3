#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace spinledger::cli {

class Session;

// One verb of the command line: its options and what it does. Each command
// lives in a file of its own and is listed once in Commands.cpp.
struct Command
{
    QString name;
    QString summary;    // one line for the overview
    QString positional; // name of a positional argument, empty when none
    QList<QCommandLineOption> options;
    int (*run)(Session& session);
    // An option that stands in for the positional argument ("undo-last").
    QString insteadOfPositional = {};
};

// Every command, in the order the overview lists them.
const QList<Command>& commands();

} // namespace spinledger::cli
