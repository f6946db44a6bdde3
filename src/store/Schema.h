#pragma once

#include <string>
#include <vector>

namespace spinledger {

class Database;

// The tables of "Spinledger.mdb". Each statement creates what is missing and
// changes nothing on a complete file.
namespace Schema {
// The twelve tables every file has, also one of an earlier version.
const std::vector<std::string>& deliveredTables();
// The program's own tables and indexes: its tallies and whatever it keeps
// beside the twelve. The start-up runs them, so a file of an earlier version
// gets them too.
const std::vector<std::string>& ownStatements();
// The statistics' own settings table alone (also among ownStatements()), for
// a reader that finds it missing.
std::string statisticsSettingsTable();
// The start of each wheel's session, its stop-loss and target, and the spans
// of the imports that can be undone (also among ownStatements()).
std::string sessionTable();
std::string tableLimitTable();
std::string importTable();
// A new file with both, as the build's database tool and the tests make it.
void create(Database& db);
// The tables, with only the indexes that spare the statistics a sort: for a
// scratch database written once and read once, where any other index costs
// time and saves nothing.
void createScratch(Database& db);
} // namespace Schema

} // namespace spinledger
