#include "cli/Cli.h"

#include "cli/Command.h"
#include "cli/Session.h"
#include "cli/TerminalPassphrase.h"
#include "location/DataLocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSysInfo>

namespace spinledger::cli {

namespace {

const QString Program = QStringLiteral("spinledger-cli");

QCommandLineOption helpOption()
{
    return {{QStringLiteral("h"), QStringLiteral("help")}, Session::tr("Show this help and exit.")};
}

QCommandLineOption versionOption()
{
    return {{QStringLiteral("v"), QStringLiteral("version")}, Session::tr("Show the version and exit.")};
}

QString overview()
{
    QString text = Session::tr("Usage: %1 COMMAND [options]\n\n"
                               "A Spinledger casino's figures and spin files, from a terminal.\n\n"
                               "Commands:\n")
                       .arg(Program);
    int width = 0;
    for (const Command& c : commands())
        width = std::max(width, int(c.name.size()));
    for (const Command& c : commands())
        text += QStringLiteral("  %1  %2\n").arg(c.name.leftJustified(width), c.summary);
    text += Session::tr("\nOptions:\n  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n\n"
                        "%1 COMMAND --help shows the options of a command.\n")
                .arg(Program);
    return text;
}

const Command* find(const QString& name)
{
    for (const Command& c : commands()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

int runCommand(const Command& command, const QStringList& rest, QTextStream& out, QTextStream& err,
               const Environment& env)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary);
    parser.addOptions(command.options);
    parser.addOption(helpOption());
    if (!command.positional.isEmpty())
        parser.addPositionalArgument(command.positional, QString());
    Session session(parser, out, err, env);
    if (!parser.parse(QStringList{Program + u' ' + command.name} + rest))
        return session.refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return Done;
    }
    const bool standIn = !command.insteadOfPositional.isEmpty() && parser.isSet(command.insteadOfPositional);
    const int allowed = command.positional.isEmpty() || standIn ? 0 : 1;
    if (parser.positionalArguments().size() > allowed)
        return session.refuse(
            Session::tr("unexpected argument '%1'").arg(parser.positionalArguments().last()));
    if (parser.positionalArguments().size() < allowed)
        return session.refuse(Session::tr("%1 needs %2").arg(command.name, command.positional));
    return command.run(session);
}

} // namespace

Environment Environment::system()
{
    Environment env;
    const DataLocation::Folders folders = DataLocation::systemFolders(QCoreApplication::applicationDirPath());
    env.programFolder = folders.program;
    env.userDataFolder = folders.userData;
    env.runtimeFolder = folders.runtime;
    if (qEnvironmentVariableIsSet("SPINLEDGER_PASSPHRASE"))
        env.passphrase = qEnvironmentVariable("SPINLEDGER_PASSPHRASE");
    if (TerminalPassphrase::available())
        env.askPassphrase = &TerminalPassphrase::ask;
    env.installationId = [] { return QString::fromLatin1(QSysInfo::machineUniqueId()).trimmed(); };
    return env;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err, const Environment& env)
{
    QCommandLineParser parser;
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    parser.addPositionalArgument(QStringLiteral("command"), QString());
    // Everything after the command belongs to it.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    auto refuse = [&err](const QString& line) {
        err << Program << ": " << line << Qt::endl;
        return int(Refused);
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("version"))) {
        out << Program << ' ' << SPINLEDGER_VERSION << Qt::endl;
        return Done;
    }
    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        if (parser.isSet(QStringLiteral("help"))) {
            out << overview();
            return Done;
        }
        return refuse(Session::tr("no command given (%1 --help lists them)").arg(Program));
    }
    const QString name = rest.takeFirst();
    const Command* command = find(name);
    if (!command)
        return refuse(Session::tr("unknown command '%1' (%2 --help lists them)").arg(name, Program));
    return runCommand(*command, rest, out, err, env);
}

} // namespace spinledger::cli
