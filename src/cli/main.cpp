// spinledger-cli: everything happens in Cli::run, so tests drive the same code
// with their own streams.
#include "cli/Cli.h"
#include "i18n/Translations.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("spinledger-cli"));
    spinledger::i18n::install(qapp);
    QTextStream out(stdout);
    QTextStream err(stderr);
    spinledger::cli::Environment env = spinledger::cli::Environment::system();
    env.errIsTerminal = isatty(fileno(stderr)) != 0;
    return spinledger::cli::run(QCoreApplication::arguments(), out, err, env);
}
