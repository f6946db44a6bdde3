#include "cli/CasinosCommand.h"
#include "cli/Command.h"

namespace spinledger::cli {

const QList<Command>& commands()
{
    static const QList<Command> all{
        casinosCommand(),
    };
    return all;
}

} // namespace spinledger::cli
