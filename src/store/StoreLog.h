#pragma once

#include <QLoggingCategory>

// The store's log ("spinledger.store"): the engine's own words and the reason
// of every failure the store turns into a sentence for the player.
Q_DECLARE_LOGGING_CATEGORY(lcStore)
