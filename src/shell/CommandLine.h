#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace spinledger {

// The program's own command line. --help and --version are answered on the
// terminal before any window, lock or display exists; anything the program
// does not know (once Qt has taken its own options) is refused.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The exit code when --help or --version was asked, else nothing.
    static std::optional<int> answer(const QStringList& arguments, QTextStream& out);
    // The exit code of a refusal when an argument is unknown, else nothing.
    static std::optional<int> refuseUnknown(const QStringList& arguments, QTextStream& err);

    static QString helpText(const QString& databasePath);
};

} // namespace spinledger
