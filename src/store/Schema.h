#pragma once

#include <string>
#include <vector>

namespace spinledger {

class Database;

// The tables of "Spinledger.mdb". Only the build's database tool and the tests
// create them; the application opens the file as delivered.
namespace Schema {
// Statements that create every table and index that is missing; running them
// on a complete file changes nothing.
std::vector<std::string> statements();
// The program's own table and indexes of the statistics: the inputs the
// statistics tab keeps per installation and wheel (the first statement), and
// the indexes the statistics read a history from.
std::vector<std::string> statisticsStatements();
std::string statisticsSettingsTable();
void create(Database& db);
} // namespace Schema

} // namespace spinledger
