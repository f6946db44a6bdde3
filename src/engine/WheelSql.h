#pragma once

#include <string>

namespace spinledger {

class Wheel;

// The statements of the engine for one wheel, composed once from the wheel's
// table and column names; every value in them is a bound parameter.
struct WheelSql
{
    static const WheelSql& of(const Wheel& wheel);

    // A table a batch writes many rows to a statement: the INSERT's column
    // list ("t (a, b, ...)"), how many columns that is, and the highest key
    // the table has handed out.
    struct KeyedRows
    {
        std::string columns;
        int width = 0;
        std::string keyBefore;
    };
    KeyedRows spinRows, countRows, winRows;
    KeyedRows adviceRows; // the judging win row first, then insertAdvice's columns

    // Spins, newest first: id, now, then one column per category (display order).
    std::string newestSpins;
    std::string historyAscending; // the same columns, oldest first, whole casino
    std::string insertSpin;
    std::string insertCount;
    std::string deleteSpin;
    std::string deleteCountOfSpin;

    // Advice, newest first: id, win id, values (display order), then stakes
    // of the outside categories (display order).
    std::string newestAdvice;
    std::string insertAdvice;
    std::string deleteAdviceOfSpin;
    std::string linkAdvice;
    std::string unlinkAdvice;
    std::string restake;

    std::string insertWin;
    std::string winOfSpin;   // id, advice judged, verdicts (display order)
    std::string winPercents; // win percentage per category (display order)
    std::string deleteWinOfSpin;
    std::string winVerdictsOfCasino; // verdicts of every win row of a casino that judged an advice

    std::string tallyRows;      // tally_to, tally_count for one kind and from
    std::string tallyCreate;    // INSERT OR IGNORE a zero row
    std::string tallyAdd;       // add a delta to one row
    std::string tallyDropEmpty; // delete rows that reached zero
    std::string tallyAny;       // does the casino have any tally row
    std::string tallyOfKinds;   // ... any of the kinds from ?3 up to (not including) ?4
    std::string tallyClear;     // all rows of a casino
    std::string tallyAll;       // kind, from, to, count of every row of a casino
    std::string tallyInsert;    // one row with its count
};

} // namespace spinledger
