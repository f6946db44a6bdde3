#include "cli/CasinosCommand.h"
#include "cli/Command.h"
#include "cli/SpinCountCommand.h"

namespace spinledger::cli {

const QList<Command>& commands()
{
    static const QList<Command> all{
        casinosCommand(),
        spinCountCommand(),
    };
    return all;
}

} // namespace spinledger::cli
