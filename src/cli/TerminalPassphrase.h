#pragma once

#include <QString>

#include <optional>

namespace spinledger::cli {

// Reads a passphrase from the terminal without showing it.
namespace TerminalPassphrase {
// Standard input is a terminal.
bool available();
// Writes the prompt to standard error and reads one line with the echo off;
// nothing at the end of the input.
std::optional<QString> ask(const QString& prompt);
} // namespace TerminalPassphrase

} // namespace spinledger::cli
