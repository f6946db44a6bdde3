#include "cli/TerminalPassphrase.h"

#include <cstdio>
#include <iostream>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace spinledger::cli {

bool TerminalPassphrase::available()
{
    return isatty(STDIN_FILENO) != 0;
}

std::optional<QString> TerminalPassphrase::ask(const QString& prompt)
{
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    termios before{};
    const bool terminal = tcgetattr(STDIN_FILENO, &before) == 0;
    if (terminal) {
        termios hidden = before;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (terminal)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
    std::fputs("\n", stderr);
    if (!read)
        return std::nullopt;
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}

} // namespace spinledger::cli
