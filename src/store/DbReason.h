#pragma once

#include <QString>

namespace spinledger {

// Why the database could not be used, in words a player understands: one
// table from the engine's result codes to sentences, so no status line and no
// command ever shows the engine's own message.
namespace DbReason {
// The sentence for an engine result code (extended codes count as their
// primary one); empty for success and for codes without a sentence.
QString of(int resultCode);
// Failures found before the engine is asked.
QString missingFile();
QString emptyFile();
QString damaged();
QString beingChecked();
QString newerFile();
} // namespace DbReason

} // namespace spinledger
