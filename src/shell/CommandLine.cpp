#include "shell/CommandLine.h"

#include "location/DataLocation.h"
#include "shell/AppInfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace spinledger {

namespace {

const QString Program = QStringLiteral("spinledger");

void addOptions(QCommandLineParser& parser)
{
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QString()});
}

// The folder of the running program, whatever link it was started through.
QString programFolder()
{
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}

} // namespace

QString CommandLine::helpText(const QString& databasePath)
{
    const QString database = QDir::toNativeSeparators(databasePath);
    return tr("Usage: %1 [options]\n\n"
              "%2 records the spins of a roulette table per casino and advises the next bets.\n\n"
              "Options:\n"
              "  -h, --help     Show this help and exit.\n"
              "  -v, --version  Show the version and exit.\n"
              "Qt's own options (-platform, -style, ...) are taken as well.\n\n"
              "Files:\n"
              "  %3  every casino, spin and setting\n\n"
              "From a terminal: spinledger-cli --help (spinledger-cli where names every file)\n")
        .arg(Program, AppInfo::title(), database);
}

std::optional<int> CommandLine::answer(const QStringList& arguments, QTextStream& out)
{
    QCommandLineParser parser;
    addOptions(parser);
    // Qt's options are unknown here; they only matter once the application
    // exists, so the outcome of this first look is ignored.
    (void)parser.parse(arguments);
    if (parser.isSet(QStringLiteral("version"))) {
        out << AppInfo::title() << ' ' << AppInfo::version() << Qt::endl;
        return 0;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << helpText(DataLocation::system(programFolder()).databasePath()) << Qt::flush;
        return 0;
    }
    return std::nullopt;
}

std::optional<int> CommandLine::refuseUnknown(const QStringList& arguments, QTextStream& err)
{
    QCommandLineParser parser;
    addOptions(parser);
    QString problem;
    if (!parser.parse(arguments))
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = tr("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());
    if (problem.isEmpty())
        return std::nullopt;
    err << Program << ": " << problem << ' ' << tr("(%1 --help lists the options)").arg(Program) << Qt::endl;
    return 2;
}

} // namespace spinledger
