#pragma once

#include <string>
#include <vector>

namespace spinledger {

class Database;

// The tables of "Spinledger.mdb" and the file's version, which the file keeps
// in its user_version: 0 is the twelve tables an earlier version leaves, each
// later version one step of the program's additions, in the order they came.
// Every statement creates only what is missing, so a file written before the
// version was recorded (version 0 with some additions already) passes its
// steps as well.
namespace Schema {
// The version this program brings every file to.
int latestVersion();
// The version the file records (0 when it records none).
int version(Database& db);

enum class Upgrade
{
    Current,  // the file was already at the latest version
    Upgraded, // one step or more were taken
    Newer,    // written by a newer program: left as it is
};
// Takes the steps from the file's version to the latest, each in a transaction
// of its own (so not inside another one). A failing step throws DbError and
// leaves the file at the version before it.
Upgrade upgrade(Database& db);

// Whether the file holds every table and index of the latest version,
// whatever version it records: one written before versions were recorded
// lacks only the number.
bool complete(Database& db);

// The twelve tables every file has, also one of an earlier version.
const std::vector<std::string>& deliveredTables();
// One table of the later steps, for a writer that finds it missing.
std::string statisticsSettingsTable();
std::string sessionTable();
std::string tableLimitTable();
std::string importTable();
// A new file at the latest version, as the build's database tool and the
// tests make it.
void create(Database& db);
// The tables, with only the indexes that spare the statistics a sort: for a
// scratch database written once and read once, where any other index costs
// time and saves nothing.
void createScratch(Database& db);
} // namespace Schema

} // namespace spinledger
