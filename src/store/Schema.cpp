#include "store/Schema.h"

#include "store/Database.h"
#include "wheel/Wheel.h"

namespace spinledger {

namespace {

std::string s(const QString& q)
{
    return q.toStdString();
}

// Keys are never handed out twice (AUTOINCREMENT), so a deleted spin's key
// cannot come back and be mistaken for it.
const char* const kKey = " INTEGER PRIMARY KEY AUTOINCREMENT";

// The tables of a delivered file, and what the program adds to it.
struct Statements
{
    std::vector<std::string> delivered;
    std::vector<std::string> own;
};

void wheelTables(const Wheel& w, Statements& out)
{
    const std::string l = s(w.lower());
    const std::string L = s(QString(w.letter()));
    const std::string cmb = "cmb" + L;
    const std::string spin = "ka_app_" + l;

    std::string settings = "CREATE TABLE IF NOT EXISTS ka_app_" + l + "_setting (ka_app_setting_id INTEGER";
    for (const Category& c : w.categories())
        settings += ", " + s(w.checkBox(c.id)) + " INTEGER";
    settings += ", cb" + L + "00 INTEGER, tb" + L + "Amount REAL, " + cmb + " INTEGER)";
    out.delivered.push_back(settings);
    out.own.push_back("CREATE UNIQUE INDEX IF NOT EXISTS ix_" + l + "_setting ON ka_app_" + l +
                      "_setting (ka_app_setting_id)");

    std::string spins = "CREATE TABLE IF NOT EXISTS " + spin + " (" + spin + "_id" + kKey + ", " + spin +
                        "_date REAL, " + spin + "_time REAL, " + spin +
                        "_now REAL, ka_app_setting_id INTEGER";
    for (const Category& c : w.categories())
        spins += ", " + s(w.spinColumn(c.id)) + " TEXT";
    spins += ", " + cmb + " INTEGER)";
    out.delivered.push_back(spins);
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_history ON " + spin + " (ka_app_setting_id, " +
                      cmb + ", " + spin + "_now, " + spin + "_id)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_casino ON " + spin + " (" + cmb + ")");

    const std::string count = spin + "_count";
    std::string counts = "CREATE TABLE IF NOT EXISTS " + count + " (" + count + "_id" + kKey + ", " + count +
                         "_date REAL, " + count + "_time REAL, " + count +
                         "_now REAL, ka_app_setting_id INTEGER, " + spin + "_id INTEGER";
    for (const Counter& c : w.counters())
        counts += ", " + s(c.column) + " INTEGER";
    counts += ", " + cmb + " INTEGER)";
    out.delivered.push_back(counts);
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_count_spin ON " + count + " (" + spin +
                      "_id)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_count_casino ON " + count + " (" + cmb + ")");

    const std::string adv = spin + "_advise";
    std::string advice = "CREATE TABLE IF NOT EXISTS " + adv + " (" + adv + "_id" + kKey + ", " + adv +
                         "_date REAL, " + adv + "_time REAL, " + adv +
                         "_now REAL, ka_app_setting_id INTEGER, " + spin + "_id INTEGER";
    for (const Category& c : w.categories()) {
        advice += ", " + s(w.adviseColumn(c.id)) + " TEXT";
        if (c.hasStake())
            advice += ", " + s(w.coinsColumn(c.id)) + " REAL";
    }
    advice += ", " + spin + "_win_id INTEGER, " + cmb + " INTEGER)";
    out.delivered.push_back(advice);
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_advise_history ON " + adv +
                      " (ka_app_setting_id, " + cmb + ", " + adv + "_now, " + adv + "_id)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_advise_spin ON " + adv + " (" + spin + "_id)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_advise_win ON " + adv + " (" + spin +
                      "_win_id)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_advise_casino ON " + adv + " (" + cmb + ")");

    const std::string win = spin + "_win";
    std::string wins = "CREATE TABLE IF NOT EXISTS " + win + " (" + win + "_id" + kKey + ", " + win +
                       "_date REAL, " + win + "_time REAL, " + win +
                       "_now REAL, ka_app_setting_id INTEGER, " + spin + "_id INTEGER, " + adv +
                       "_id INTEGER";
    for (const Category& c : w.categories())
        wins += ", " + s(w.winColumn(c.id)) + " TEXT";
    for (const Category& c : w.categories())
        wins += ", " + s(w.winPctColumn(c.id)) + " REAL, " + s(w.lossPctColumn(c.id)) + " REAL";
    wins += ", " + cmb + " INTEGER)";
    out.delivered.push_back(wins);
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_win_spin ON " + win + " (" + spin + "_id)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_win_history ON " + win +
                      " (ka_app_setting_id, " + cmb + ", " + win + "_now, " + win + "_id)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_win_casino ON " + win + " (" + cmb + ")");

    // Running tallies of a casino's history: follower transitions per category
    // and judgement counts. Written in the same transaction as the rows they
    // summarise, and rebuilt from those rows when missing.
    out.own.push_back(
        "CREATE TABLE IF NOT EXISTS " + spin + "_tally (ka_app_setting_id INTEGER NOT NULL, " + cmb +
        " INTEGER NOT NULL, tally_kind TEXT NOT NULL, tally_from TEXT NOT NULL, tally_to TEXT NOT NULL, "
        "tally_count INTEGER NOT NULL, PRIMARY KEY (ka_app_setting_id, " +
        cmb + ", tally_kind, tally_from, tally_to)) WITHOUT ROWID");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_tally_casino ON " + spin + "_tally (" + cmb +
                      ")");
}

// The statistics' own settings table, and the indexes they read a history from.
void statisticsStatements(std::vector<std::string>& out)
{
    out.push_back(Schema::statisticsSettingsTable());
    // The statistics read a casino's whole history from these indexes alone,
    // which hold a fraction of the rows' pages: pockets, judgements in the
    // order of play, and the stakes of every advice.
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
        const std::string l = s(w->lower());
        const std::string cmb = s(w->casinoSetting());
        const std::string byCasino = " (ka_app_setting_id, " + cmb + ", ";
        out.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_stats_pocket ON " + s(w->spinTable()) +
                      byCasino + s(w->spinColumn(CategoryId::Numbers)) + ")");
        std::string verdicts, stakes;
        for (const Category& c : w->categories()) {
            verdicts += ", " + s(w->winColumn(c.id));
            if (c.hasStake())
                stakes += ", " + s(w->coinsColumn(c.id));
        }
        const std::string win = s(w->winTable());
        const std::string adv = s(w->adviseTable());
        out.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_stats_judged ON " + win + byCasino + win +
                      "_now, " + win + "_id, " + adv + "_id" + verdicts + ")");
        out.push_back("CREATE INDEX IF NOT EXISTS ix_" + l + "_stats_stake ON " + adv + byCasino + adv +
                      "_id" + stakes + ")");
    }
}

Statements compose()
{
    Statements out;
    out.delivered.push_back(std::string("CREATE TABLE IF NOT EXISTS ka_app_setting (ka_app_setting_id") +
                            kKey + ", ka_app_sId TEXT)");
    out.own.push_back("CREATE INDEX IF NOT EXISTS ix_setting_sid ON ka_app_setting (ka_app_sId)");
    out.delivered.push_back(std::string("CREATE TABLE IF NOT EXISTS ka_app_casino (ka_app_casino_id") + kKey +
                            ", ka_app_casino_name VARCHAR(100), ka_app_setting_id INTEGER)");
    out.own.push_back(
        "CREATE INDEX IF NOT EXISTS ix_casino_owner ON ka_app_casino (ka_app_setting_id, ka_app_casino_id)");
    wheelTables(Wheel::r(), out);
    wheelTables(Wheel::m(), out);
    statisticsStatements(out.own);
    for (const std::string& table :
         {Schema::sessionTable(), Schema::tableLimitTable(), Schema::importTable()})
        out.own.push_back(table);
    return out;
}

const Statements& statements()
{
    static const Statements all = compose();
    return all;
}

} // namespace

std::string Schema::statisticsSettingsTable()
{
    // Table maximum and bankroll are amounts (NULL: not typed; a NULL
    // bankroll sets no limit), the series count a whole number.
    return "CREATE TABLE IF NOT EXISTS ka_app_stats_setting (ka_app_setting_id INTEGER NOT NULL, "
           "ka_app_stats_wheel TEXT NOT NULL, ka_app_stats_table_max REAL, ka_app_stats_bankroll REAL, "
           "ka_app_stats_series INTEGER, PRIMARY KEY (ka_app_setting_id, ka_app_stats_wheel))";
}

std::string Schema::sessionTable()
{
    // The stamp is a day number with the time as its fraction, as the spins';
    // the key is the wheel's newest spin key when the session began.
    return "CREATE TABLE IF NOT EXISTS ka_app_session (ka_app_setting_id INTEGER NOT NULL, "
           "ka_app_session_wheel TEXT NOT NULL, ka_app_session_start REAL NOT NULL, "
           "ka_app_session_key INTEGER NOT NULL, PRIMARY KEY (ka_app_setting_id, ka_app_session_wheel))";
}

std::string Schema::tableLimitTable()
{
    // NULL: not typed. The table maximum stays with the statistics' settings.
    return "CREATE TABLE IF NOT EXISTS ka_app_table_limit (ka_app_setting_id INTEGER NOT NULL, "
           "ka_app_limit_wheel TEXT NOT NULL, ka_app_limit_stop_loss REAL, ka_app_limit_target REAL, "
           "PRIMARY KEY (ka_app_setting_id, ka_app_limit_wheel))";
}

std::string Schema::importTable()
{
    // Keys only grow, so an import's spins are the casino's keys from first
    // to last.
    return "CREATE TABLE IF NOT EXISTS ka_app_import (ka_app_import_id INTEGER PRIMARY KEY AUTOINCREMENT, "
           "ka_app_setting_id INTEGER NOT NULL, ka_app_import_wheel TEXT NOT NULL, "
           "ka_app_import_casino INTEGER NOT NULL, ka_app_import_first INTEGER NOT NULL, "
           "ka_app_import_last INTEGER NOT NULL)";
}

const std::vector<std::string>& Schema::deliveredTables()
{
    return statements().delivered;
}

const std::vector<std::string>& Schema::ownStatements()
{
    return statements().own;
}

void Schema::create(Database& db)
{
    // WAL keeps a spin's commit to one sync of the log; the mode is stored in
    // the file, so the application inherits it.
    db.exec("PRAGMA journal_mode=WAL");
    Transaction tx(db);
    for (const std::string& sql : deliveredTables())
        db.exec(sql);
    for (const std::string& sql : ownStatements())
        db.exec(sql);
    tx.commit();
}

void Schema::createScratch(Database& db)
{
    Transaction tx(db);
    for (const std::string& sql : deliveredTables())
        db.exec(sql);
    // Two of the statistics' indexes too: without them counting the pockets
    // and reading the judgements in the order of play would sort a history of
    // millions of spins, in memory-mapped files the size of the history. The
    // stakes are read in key order, which needs no index.
    for (const std::string& sql : ownStatements()) {
        if (sql.starts_with("CREATE TABLE") || sql.find("_stats_pocket ") != std::string::npos ||
            sql.find("_stats_judged ") != std::string::npos)
            db.exec(sql);
    }
    tx.commit();
}

} // namespace spinledger
