#include "store/Schema.h"

#include "store/Database.h"
#include "store/StoreLog.h"

#include <map>
#include <span>
#include <string_view>

namespace spinledger {

namespace {

// Keys are INTEGER PRIMARY KEY AUTOINCREMENT: never handed out twice, so a
// deleted spin's key cannot come back and be mistaken for it.

// Version 0: the twelve tables of a file an earlier version leaves.
const char* const kDelivered[] = {
    R"(CREATE TABLE IF NOT EXISTS ka_app_setting (ka_app_setting_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_sId TEXT))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_casino (ka_app_casino_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_casino_name VARCHAR(100), ka_app_setting_id INTEGER))",

    R"(CREATE TABLE IF NOT EXISTS ka_app_r_setting (ka_app_setting_id INTEGER, cbRNumbers INTEGER,
    cbRBlackRed INTEGER, cbREvenOdd INTEGER, cbRLowHi INTEGER, cbRDozens INTEGER, cbR2TO1 INTEGER,
    cbR00 INTEGER, tbRAmount REAL, cmbR INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_r (ka_app_r_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_r_date REAL, ka_app_r_time REAL, ka_app_r_now REAL, ka_app_setting_id INTEGER,
    ka_app_r_numbers TEXT, ka_app_r_blackred TEXT, ka_app_r_evenodd TEXT, ka_app_r_lowhi TEXT,
    ka_app_r_dozens TEXT, ka_app_r_2to1 TEXT, cmbR INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_r_count (ka_app_r_count_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_r_count_date REAL, ka_app_r_count_time REAL, ka_app_r_count_now REAL,
    ka_app_setting_id INTEGER, ka_app_r_id INTEGER,
    RBlack INTEGER, RRed INTEGER, RGreen INTEGER, REVEN INTEGER, RODD INTEGER, R1_18 INTEGER,
    R19_36 INTEGER, R1ST12 INTEGER, R2ND12 INTEGER, R3RD12 INTEGER, R2TO1R1 INTEGER, R2TO1R2 INTEGER,
    R2TO1R3 INTEGER, R00 INTEGER, R0 INTEGER, R1 INTEGER, R2 INTEGER, R3 INTEGER, R4 INTEGER,
    R5 INTEGER, R6 INTEGER, R7 INTEGER, R8 INTEGER, R9 INTEGER, R10 INTEGER, R11 INTEGER, R12 INTEGER,
    R13 INTEGER, R14 INTEGER, R15 INTEGER, R16 INTEGER, R17 INTEGER, R18 INTEGER, R19 INTEGER,
    R20 INTEGER, R21 INTEGER, R22 INTEGER, R23 INTEGER, R24 INTEGER, R25 INTEGER, R26 INTEGER,
    R27 INTEGER, R28 INTEGER, R29 INTEGER, R30 INTEGER, R31 INTEGER, R32 INTEGER, R33 INTEGER,
    R34 INTEGER, R35 INTEGER, R36 INTEGER, cmbR INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_r_advise (ka_app_r_advise_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_r_advise_date REAL, ka_app_r_advise_time REAL, ka_app_r_advise_now REAL,
    ka_app_setting_id INTEGER, ka_app_r_id INTEGER,
    ka_app_r_advise_numbers TEXT,
    ka_app_r_advise_blackred TEXT, ka_app_r_advise_blackred_coins REAL,
    ka_app_r_advise_evenodd TEXT, ka_app_r_advise_evenodd_coins REAL,
    ka_app_r_advise_lowhi TEXT, ka_app_r_advise_lowhi_coins REAL,
    ka_app_r_advise_dozens TEXT, ka_app_r_advise_dozens_coins REAL,
    ka_app_r_advise_2to1 TEXT, ka_app_r_advise_2to1_coins REAL,
    ka_app_r_win_id INTEGER, cmbR INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_r_win (ka_app_r_win_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_r_win_date REAL, ka_app_r_win_time REAL, ka_app_r_win_now REAL,
    ka_app_setting_id INTEGER, ka_app_r_id INTEGER, ka_app_r_advise_id INTEGER,
    ka_app_r_win_numbers TEXT, ka_app_r_win_blackred TEXT, ka_app_r_win_evenodd TEXT,
    ka_app_r_win_lowhi TEXT, ka_app_r_win_dozens TEXT, ka_app_r_win_2to1 TEXT,
    ka_app_r_win_numbers_win REAL, ka_app_r_win_numbers_loss REAL,
    ka_app_r_win_blackred_win REAL, ka_app_r_win_blackred_loss REAL,
    ka_app_r_win_evenodd_win REAL, ka_app_r_win_evenodd_loss REAL,
    ka_app_r_win_lowhi_win REAL, ka_app_r_win_lowhi_loss REAL,
    ka_app_r_win_dozens_win REAL, ka_app_r_win_dozens_loss REAL,
    ka_app_r_win_2to1_win REAL, ka_app_r_win_2to1_loss REAL, cmbR INTEGER))",

    R"(CREATE TABLE IF NOT EXISTS ka_app_m_setting (ka_app_setting_id INTEGER, cbMNumbers INTEGER,
    cbMBlackRed INTEGER, cbMEvenOdd INTEGER, cbMLowHi INTEGER, cbM2TO1 INTEGER, cbM00 INTEGER,
    tbMAmount REAL, cmbM INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_m (ka_app_m_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_m_date REAL, ka_app_m_time REAL, ka_app_m_now REAL, ka_app_setting_id INTEGER,
    ka_app_m_numbers TEXT, ka_app_m_blackred TEXT, ka_app_m_evenodd TEXT, ka_app_m_lowhi TEXT,
    ka_app_m_2to1 TEXT, cmbM INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_m_count (ka_app_m_count_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_m_count_date REAL, ka_app_m_count_time REAL, ka_app_m_count_now REAL,
    ka_app_setting_id INTEGER, ka_app_m_id INTEGER,
    MBlack INTEGER, MRed INTEGER, MGreen INTEGER, MEVEN INTEGER, MODD INTEGER, M1_6 INTEGER,
    M4_9 INTEGER, M7_12 INTEGER, M2TO1R1 INTEGER, M2TO1R2 INTEGER, M2TO1R3 INTEGER, M00 INTEGER,
    M0 INTEGER, M1 INTEGER, M2 INTEGER, M3 INTEGER, M4 INTEGER, M5 INTEGER, M6 INTEGER, M7 INTEGER,
    M8 INTEGER, M9 INTEGER, M10 INTEGER, M11 INTEGER, M12 INTEGER, cmbM INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_m_advise (ka_app_m_advise_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_m_advise_date REAL, ka_app_m_advise_time REAL, ka_app_m_advise_now REAL,
    ka_app_setting_id INTEGER, ka_app_m_id INTEGER,
    ka_app_m_advise_numbers TEXT,
    ka_app_m_advise_blackred TEXT, ka_app_m_advise_blackred_coins REAL,
    ka_app_m_advise_evenodd TEXT, ka_app_m_advise_evenodd_coins REAL,
    ka_app_m_advise_lowhi TEXT, ka_app_m_advise_lowhi_coins REAL,
    ka_app_m_advise_2to1 TEXT, ka_app_m_advise_2to1_coins REAL,
    ka_app_m_win_id INTEGER, cmbM INTEGER))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_m_win (ka_app_m_win_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_m_win_date REAL, ka_app_m_win_time REAL, ka_app_m_win_now REAL,
    ka_app_setting_id INTEGER, ka_app_m_id INTEGER, ka_app_m_advise_id INTEGER,
    ka_app_m_win_numbers TEXT, ka_app_m_win_blackred TEXT, ka_app_m_win_evenodd TEXT,
    ka_app_m_win_lowhi TEXT, ka_app_m_win_2to1 TEXT,
    ka_app_m_win_numbers_win REAL, ka_app_m_win_numbers_loss REAL,
    ka_app_m_win_blackred_win REAL, ka_app_m_win_blackred_loss REAL,
    ka_app_m_win_evenodd_win REAL, ka_app_m_win_evenodd_loss REAL,
    ka_app_m_win_lowhi_win REAL, ka_app_m_win_lowhi_loss REAL,
    ka_app_m_win_2to1_win REAL, ka_app_m_win_2to1_loss REAL, cmbM INTEGER))",
};

// Version 1: the indexes play reads its history through, and the running
// tallies of a casino's history (follower transitions per category and
// judgement counts), written in the same transaction as the rows they
// summarise and rebuilt from those rows when missing.
const char* const kPlay[] = {
    "CREATE INDEX IF NOT EXISTS ix_setting_sid ON ka_app_setting (ka_app_sId)",
    "CREATE INDEX IF NOT EXISTS ix_casino_owner ON ka_app_casino (ka_app_setting_id, ka_app_casino_id)",

    "CREATE UNIQUE INDEX IF NOT EXISTS ix_r_setting ON ka_app_r_setting (ka_app_setting_id)",
    "CREATE INDEX IF NOT EXISTS ix_r_history ON ka_app_r (ka_app_setting_id, cmbR, ka_app_r_now, "
    "ka_app_r_id)",
    "CREATE INDEX IF NOT EXISTS ix_r_casino ON ka_app_r (cmbR)",
    "CREATE INDEX IF NOT EXISTS ix_r_count_spin ON ka_app_r_count (ka_app_r_id)",
    "CREATE INDEX IF NOT EXISTS ix_r_count_casino ON ka_app_r_count (cmbR)",
    R"(CREATE INDEX IF NOT EXISTS ix_r_advise_history ON ka_app_r_advise (ka_app_setting_id, cmbR,
    ka_app_r_advise_now, ka_app_r_advise_id))",
    "CREATE INDEX IF NOT EXISTS ix_r_advise_spin ON ka_app_r_advise (ka_app_r_id)",
    "CREATE INDEX IF NOT EXISTS ix_r_advise_win ON ka_app_r_advise (ka_app_r_win_id)",
    "CREATE INDEX IF NOT EXISTS ix_r_advise_casino ON ka_app_r_advise (cmbR)",
    "CREATE INDEX IF NOT EXISTS ix_r_win_spin ON ka_app_r_win (ka_app_r_id)",
    R"(CREATE INDEX IF NOT EXISTS ix_r_win_history ON ka_app_r_win (ka_app_setting_id, cmbR,
    ka_app_r_win_now, ka_app_r_win_id))",
    "CREATE INDEX IF NOT EXISTS ix_r_win_casino ON ka_app_r_win (cmbR)",
    R"(CREATE TABLE IF NOT EXISTS ka_app_r_tally (ka_app_setting_id INTEGER NOT NULL, cmbR INTEGER NOT NULL,
    tally_kind TEXT NOT NULL, tally_from TEXT NOT NULL, tally_to TEXT NOT NULL,
    tally_count INTEGER NOT NULL,
    PRIMARY KEY (ka_app_setting_id, cmbR, tally_kind, tally_from, tally_to)) WITHOUT ROWID)",
    "CREATE INDEX IF NOT EXISTS ix_r_tally_casino ON ka_app_r_tally (cmbR)",

    "CREATE UNIQUE INDEX IF NOT EXISTS ix_m_setting ON ka_app_m_setting (ka_app_setting_id)",
    "CREATE INDEX IF NOT EXISTS ix_m_history ON ka_app_m (ka_app_setting_id, cmbM, ka_app_m_now, "
    "ka_app_m_id)",
    "CREATE INDEX IF NOT EXISTS ix_m_casino ON ka_app_m (cmbM)",
    "CREATE INDEX IF NOT EXISTS ix_m_count_spin ON ka_app_m_count (ka_app_m_id)",
    "CREATE INDEX IF NOT EXISTS ix_m_count_casino ON ka_app_m_count (cmbM)",
    R"(CREATE INDEX IF NOT EXISTS ix_m_advise_history ON ka_app_m_advise (ka_app_setting_id, cmbM,
    ka_app_m_advise_now, ka_app_m_advise_id))",
    "CREATE INDEX IF NOT EXISTS ix_m_advise_spin ON ka_app_m_advise (ka_app_m_id)",
    "CREATE INDEX IF NOT EXISTS ix_m_advise_win ON ka_app_m_advise (ka_app_m_win_id)",
    "CREATE INDEX IF NOT EXISTS ix_m_advise_casino ON ka_app_m_advise (cmbM)",
    "CREATE INDEX IF NOT EXISTS ix_m_win_spin ON ka_app_m_win (ka_app_m_id)",
    R"(CREATE INDEX IF NOT EXISTS ix_m_win_history ON ka_app_m_win (ka_app_setting_id, cmbM,
    ka_app_m_win_now, ka_app_m_win_id))",
    "CREATE INDEX IF NOT EXISTS ix_m_win_casino ON ka_app_m_win (cmbM)",
    R"(CREATE TABLE IF NOT EXISTS ka_app_m_tally (ka_app_setting_id INTEGER NOT NULL, cmbM INTEGER NOT NULL,
    tally_kind TEXT NOT NULL, tally_from TEXT NOT NULL, tally_to TEXT NOT NULL,
    tally_count INTEGER NOT NULL,
    PRIMARY KEY (ka_app_setting_id, cmbM, tally_kind, tally_from, tally_to)) WITHOUT ROWID)",
    "CREATE INDEX IF NOT EXISTS ix_m_tally_casino ON ka_app_m_tally (cmbM)",
};

// Version 2: the statistics' own settings (table maximum and bankroll are
// amounts, NULL when not typed, and a NULL bankroll sets no limit; the series
// count a whole number), and the indexes they read a casino's whole history
// from alone, which hold a fraction of the rows' pages: pockets, judgements in
// the order of play, and the stakes of every advice.
const char* const kStatistics[] = {
    R"(CREATE TABLE IF NOT EXISTS ka_app_stats_setting (ka_app_setting_id INTEGER NOT NULL,
    ka_app_stats_wheel TEXT NOT NULL, ka_app_stats_table_max REAL, ka_app_stats_bankroll REAL,
    ka_app_stats_series INTEGER, PRIMARY KEY (ka_app_setting_id, ka_app_stats_wheel)))",

    "CREATE INDEX IF NOT EXISTS ix_r_stats_pocket ON ka_app_r (ka_app_setting_id, cmbR, ka_app_r_numbers)",
    R"(CREATE INDEX IF NOT EXISTS ix_r_stats_judged ON ka_app_r_win (ka_app_setting_id, cmbR,
    ka_app_r_win_now, ka_app_r_win_id, ka_app_r_advise_id, ka_app_r_win_numbers, ka_app_r_win_blackred,
    ka_app_r_win_evenodd, ka_app_r_win_lowhi, ka_app_r_win_dozens, ka_app_r_win_2to1))",
    R"(CREATE INDEX IF NOT EXISTS ix_r_stats_stake ON ka_app_r_advise (ka_app_setting_id, cmbR,
    ka_app_r_advise_id, ka_app_r_advise_blackred_coins, ka_app_r_advise_evenodd_coins,
    ka_app_r_advise_lowhi_coins, ka_app_r_advise_dozens_coins, ka_app_r_advise_2to1_coins))",

    "CREATE INDEX IF NOT EXISTS ix_m_stats_pocket ON ka_app_m (ka_app_setting_id, cmbM, ka_app_m_numbers)",
    R"(CREATE INDEX IF NOT EXISTS ix_m_stats_judged ON ka_app_m_win (ka_app_setting_id, cmbM,
    ka_app_m_win_now, ka_app_m_win_id, ka_app_m_advise_id, ka_app_m_win_numbers, ka_app_m_win_blackred,
    ka_app_m_win_evenodd, ka_app_m_win_lowhi, ka_app_m_win_2to1))",
    R"(CREATE INDEX IF NOT EXISTS ix_m_stats_stake ON ka_app_m_advise (ka_app_setting_id, cmbM,
    ka_app_m_advise_id, ka_app_m_advise_blackred_coins, ka_app_m_advise_evenodd_coins,
    ka_app_m_advise_lowhi_coins, ka_app_m_advise_2to1_coins))",
};

// Version 3: the start of each wheel's session (a day number with the time as
// its fraction, as the spins', and the wheel's newest spin key when it began),
// its stop-loss and target (NULL: not typed; the table maximum stays with the
// statistics' settings), and the spans of the imports that can be undone (keys
// only grow, so an import's spins are the casino's keys from first to last).
const char* const kSessions[] = {
    R"(CREATE TABLE IF NOT EXISTS ka_app_session (ka_app_setting_id INTEGER NOT NULL,
    ka_app_session_wheel TEXT NOT NULL, ka_app_session_start REAL NOT NULL,
    ka_app_session_key INTEGER NOT NULL, PRIMARY KEY (ka_app_setting_id, ka_app_session_wheel)))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_table_limit (ka_app_setting_id INTEGER NOT NULL,
    ka_app_limit_wheel TEXT NOT NULL, ka_app_limit_stop_loss REAL, ka_app_limit_target REAL,
    PRIMARY KEY (ka_app_setting_id, ka_app_limit_wheel)))",
    R"(CREATE TABLE IF NOT EXISTS ka_app_import (ka_app_import_id INTEGER PRIMARY KEY AUTOINCREMENT,
    ka_app_setting_id INTEGER NOT NULL, ka_app_import_wheel TEXT NOT NULL,
    ka_app_import_casino INTEGER NOT NULL, ka_app_import_first INTEGER NOT NULL,
    ka_app_import_last INTEGER NOT NULL))",
};

// Version 4: the history's index carries each spin's pocket, so that a
// pocket's spins are found in the index alone. Indexes no query needs go,
// since every spin writes an entry into each: the judgements' own history
// index (the statistics' one begins with the same columns), and the casino
// indexes of the rows beside the spins (a casino's deletion, which is rare,
// reads their tables through instead).
const char* const kPocketsInHistory[] = {
    R"(CREATE INDEX IF NOT EXISTS ix_r_played ON ka_app_r (ka_app_setting_id, cmbR, ka_app_r_now,
    ka_app_r_id, ka_app_r_numbers))",
    "DROP INDEX IF EXISTS ix_r_history",
    "DROP INDEX IF EXISTS ix_r_win_history",
    "DROP INDEX IF EXISTS ix_r_count_casino",
    "DROP INDEX IF EXISTS ix_r_advise_casino",
    "DROP INDEX IF EXISTS ix_r_win_casino",
    R"(CREATE INDEX IF NOT EXISTS ix_m_played ON ka_app_m (ka_app_setting_id, cmbM, ka_app_m_now,
    ka_app_m_id, ka_app_m_numbers))",
    "DROP INDEX IF EXISTS ix_m_history",
    "DROP INDEX IF EXISTS ix_m_win_history",
    "DROP INDEX IF EXISTS ix_m_count_casino",
    "DROP INDEX IF EXISTS ix_m_advise_casino",
    "DROP INDEX IF EXISTS ix_m_win_casino",
};

struct Step
{
    int version;
    std::span<const char* const> statements;
};

// In the order the additions came; a new one is a new step at the end.
const Step kSteps[] = {
    {1, kPlay},
    {2, kStatistics},
    {3, kSessions},
    {4, kPocketsInHistory},
};

void runStep(Database& db, const Step& step)
{
    for (const char* sql : step.statements)
        db.exec(sql);
    db.exec("PRAGMA user_version = " + std::to_string(step.version));
}

std::string tableStatement(std::string_view table)
{
    const std::string start = "CREATE TABLE IF NOT EXISTS " + std::string(table) + " (";
    for (const Step& step : kSteps) {
        for (const char* sql : step.statements) {
            if (std::string_view(sql).starts_with(start))
                return sql;
        }
    }
    throw DbError("no such table in the schema: " + std::string(table));
}

// The table or index a statement creates or drops.
std::string_view namedObject(std::string_view sql)
{
    constexpr std::string_view markers[] = {"IF NOT EXISTS ", "IF EXISTS "};
    for (const std::string_view marker : markers) {
        if (const size_t at = sql.find(marker); at != std::string_view::npos) {
            sql.remove_prefix(at + marker.size());
            return sql.substr(0, sql.find(' '));
        }
    }
    throw DbError("a schema statement names nothing: " + std::string(sql));
}

} // namespace

bool Schema::complete(Database& db)
{
    // What the steps leave: a later step may drop what an earlier one made.
    std::map<std::string_view, bool> present;
    for (const Step& step : kSteps) {
        for (const std::string_view sql : step.statements)
            present[namedObject(sql)] = !sql.starts_with("DROP");
    }
    for (const auto& [name, wanted] : present) {
        Statement q = db.prepare("SELECT 1 FROM sqlite_master WHERE name = ?1");
        q.bind(1, QString::fromLatin1(name));
        if (q.next() != wanted)
            return false;
    }
    return true;
}

int Schema::latestVersion()
{
    return std::end(kSteps)[-1].version;
}

int Schema::version(Database& db)
{
    Statement q = db.prepare("PRAGMA user_version");
    return q.next() ? int(q.integer(0)) : 0;
}

Schema::Upgrade Schema::upgrade(Database& db)
{
    const int from = version(db);
    if (from > latestVersion()) {
        qCWarning(lcStore).nospace() << "the file is at version " << from << ", this program knows up to "
                                     << latestVersion();
        return Upgrade::Newer;
    }
    for (const Step& step : kSteps) {
        if (step.version <= from)
            continue;
        Transaction tx(db);
        runStep(db, step);
        tx.commit();
        qCInfo(lcStore) << "the file is now at version" << step.version;
    }
    return from == latestVersion() ? Upgrade::Current : Upgrade::Upgraded;
}

const std::vector<std::string>& Schema::deliveredTables()
{
    static const std::vector<std::string> tables(std::begin(kDelivered), std::end(kDelivered));
    return tables;
}

std::string Schema::statisticsSettingsTable()
{
    return tableStatement("ka_app_stats_setting");
}

std::string Schema::sessionTable()
{
    return tableStatement("ka_app_session");
}

std::string Schema::tableLimitTable()
{
    return tableStatement("ka_app_table_limit");
}

std::string Schema::importTable()
{
    return tableStatement("ka_app_import");
}

void Schema::create(Database& db)
{
    // WAL keeps a spin's commit to one sync of the log; the mode is stored in
    // the file, so the application inherits it.
    db.exec("PRAGMA journal_mode=WAL");
    Transaction tx(db);
    for (const char* sql : kDelivered)
        db.exec(sql);
    for (const Step& step : kSteps)
        runStep(db, step);
    tx.commit();
}

void Schema::createScratch(Database& db)
{
    Transaction tx(db);
    for (const char* sql : kDelivered)
        db.exec(sql);
    // Two of the statistics' indexes too: without them counting the pockets
    // and reading the judgements in the order of play would sort a history of
    // millions of spins, in memory-mapped files the size of the history. The
    // stakes are read in key order, which needs no index.
    for (const Step& step : kSteps) {
        for (const std::string_view sql : step.statements) {
            if (sql.starts_with("CREATE TABLE") || sql.find("_stats_pocket ") != std::string_view::npos ||
                sql.find("_stats_judged ") != std::string_view::npos)
                db.exec(std::string(sql));
        }
    }
    tx.commit();
}

} // namespace spinledger
