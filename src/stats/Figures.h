#pragma once

#include "stats/Distributions.h"
#include "stats/SpinWindow.h"
#include "wheel/Wheel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace spinledger::stats {

// The figures of one casino on one wheel, as plain values that the tab, the
// command line and any other report print in their own way.

enum class Verdict
{
    NotEnough,        // fewer than MinJudged judged advices
    NoEvidence,       // the corrected p-value is 0.05 or more
    BeatsChanceBelow, // beats chance; the hit rate is not shown above break-even
    BeatsChanceAbove, // beats chance and the whole interval lies above break-even
};

struct ScoreRow
{
    CategoryId category = CategoryId::Numbers;
    qint64 judged = 0;  // n: judged advices of the casino
    qint64 hits = 0;    // k: of them won
    double hitRate = 0; // k / n (0 while n = 0)
    Interval interval;  // Wilson 95 % interval of the hit rate
    double chance = 0;  // p0: what a blind bet on the category wins
    int payout = 0;     // payout : 1
    double breakEven = 0;
    double pValue = 1; // P(X >= k | n, p0)
    double holmP = 1;  // after Holm's correction over the categories shown
    Verdict verdict = Verdict::NotEnough;
};

struct PocketCount
{
    QString label; // "00", "0", "17"
    PocketColour colour = PocketColour::Unknown;
    qint64 count = 0;
};

struct PocketExtreme
{
    QString label;
    qint64 count = 0;
    double z = 0;         // standard deviations from the expected count
    double p = 1;         // chance of a count this far out for one given pocket
    double corrected = 1; // Šidák: for the most extreme of all pockets in play
};

struct Bias
{
    int pockets = 0;                 // P
    qint64 spins = 0;                // spins on pockets in play
    qint64 leftOut = 0;              // spins on 00 recorded while it is switched off now
    std::vector<PocketCount> counts; // pockets in play, table order
    double expected = 0;             // n / P
    Interval band;                   // 95 % band of one pocket's count
    qint64 needed = 0;               // 5 * P: spins before the test is made
    bool tested = false;             // spins >= needed
    double chiSquare = 0;
    int degreesOfFreedom = 0;
    double pValue = 1;
    PocketExtreme hottest;
    PocketExtreme coldest;
};

// An arc of neighbouring pockets in wheel order.
struct Arc
{
    int width = 0;       // w pockets
    int start = 0;       // place of its first pocket in wheel order (0: the 0 pocket)
    QStringList pockets; // clockwise
    qint64 count = 0;
    double expected = 0; // w * n / P
    double z = 0;
    double p = 1;      // chance that a fair wheel shows an arc this far out anywhere, any width
    double pError = 0; // standard error of p, from the simulation
};

// Voisins du zéro, Tiers du cylindre, Orphelins, Jeu zéro.
struct ClassicSector
{
    QString name;
    QStringList pockets; // clockwise
    qint64 count = 0;
    double expected = 0;
    double z = 0;
    double p = 1;     // two-sided, for this sector alone
    double holmP = 1; // Holm over the four
};

// Spins a test needs to see an edge, beside those recorded.
struct SpinsNeededRow
{
    double edge = 0;   // over break-even: 0.10 for 10 %
    qint64 pocket = 0; // on one straight number
    qint64 sector = 0; // on an arc of the hottest sector's width (0 without one)
};

// What betting a pocket or an arc would be worth, from its hit rate.
struct EdgeEstimate
{
    bool present = false; // false: no hottest pocket or sector yet
    QStringList pockets;
    qint64 hits = 0;
    qint64 spins = 0;
    double odds = 0; // b: net winnings per unit staked on a hit
    double breakEven = 0;
    double hitRate = 0;
    double edge = 0;     // expected winnings per unit staked: hit rate * (b + 1) - 1
    int pickedAmong = 1; // the pockets or arcs it was picked from as the hottest
    Interval interval;   // of the edge, from Wilson's interval of the hit rate, 95 % for all of them
    bool shown = false;  // the lower end of the interval lies above break-even
    double kelly = 0;    // (b p - q) / b at that lower end, when shown
};

// The wheel in its own order: sectors, classic sectors, spins a verdict
// needs, and what an edge would be worth.
struct WheelFigures
{
    QStringList order;          // clockwise from 0; empty where there is no standard order
    std::vector<qint64> counts; // spins per pocket in that order
    qint64 spins = 0;
    qint64 needed = 0;   // 5 * P
    bool tested = false; // spins >= needed: the sector figures exist
    int simulations = 0; // fair histories simulated for the scan's p; 0: not run
    Arc hottest;
    Arc coldest;
    std::vector<ClassicSector> classic; // on the single-zero wheel only
    std::vector<SpinsNeededRow> spinsNeeded;
    int sectorWidth = 0; // of the hottest arc, 0 without one
    EdgeEstimate pocketEdge;
    EdgeEstimate sectorEdge;

    bool hasOrder() const { return !order.isEmpty(); }
};

struct MoneyPoint
{
    qint64 spin = 0;  // spin number in the casino's history, from 1
    double total = 0; // cumulative result after it
};

// Which limit refused a bet of a doubling series.
enum class Limit
{
    None,
    TableMax, // the stake is above the table maximum
    Bankroll, // the series' losses plus the stake are above the bankroll
};

// The first bet of a category that a table maximum or bankroll would have
// refused, had it been given: a real table stops the series there.
struct LimitStop
{
    Limit by = Limit::None; // None: never refused, or no limit given
    qint64 spin = 0;        // the spin the refused bet was on
    double stake = 0;       // the stake refused
    double lost = 0;        // what the series had lost before it
    double result = 0;      // the result of every bet placed before it
};

struct MoneyRow
{
    CategoryId category = CategoryId::BlackRed;
    bool played = false; // ticked "Play" on the board now
    qint64 bets = 0;
    qint64 wins = 0;
    double result = 0;
    double largestStake = 0;
    int longestLosingRun = 0;
    LimitStop stop;
    std::vector<MoneyPoint> line; // thinned for drawing; first and last point exact
};

// The inputs of the doubling box.
struct DoublingInputs
{
    double base = 0;                // the wheel's stake amount
    std::optional<double> tableMax; // none until the player types one
    std::optional<double> bankroll; // none: only the table maximum limits
    int series = 100;               // N

    // Whether a limit is given that may stop a series.
    bool limited() const { return tableMax || bankroll; }
};

enum class DoublingState
{
    Ready,
    NoBase,     // the wheel's amount is 0
    NoTableMax, // no table maximum typed yet
    NoRoom,     // the base stake is above the table maximum or the bankroll
};

struct DoublingRow
{
    CategoryId category = CategoryId::BlackRed;
    int bets = 0;             // k
    double bustChance = 0;    // q^k
    double bustLoss = 0;      // base * (2^k - 1)
    double expected = 0;      // expected result of one series
    double anyBust = 0;       // 1 - (1 - q^k)^N
    int longestLosingRun = 0; // in this casino's history
    double stakeNeeded = 0;   // base * 2^run: the bet that would have ended the run
};

struct Figures
{
    QChar wheel;
    qint64 casino = 0;  // 0: a history of no casino of the database (a backtest)
    QString casinoName; // left to the caller, which knows the casino list
    bool zeroZero = false;
    int pockets = 0; // P
    SpinWindow window;
    SpinSpan span;    // the window's places in the casino's history
    qint64 spins = 0; // in the window
    qint64 judged = 0;
    std::vector<ScoreRow> scorecard; // every category of the wheel
    Bias bias;
    WheelFigures wheelFigures;
    std::vector<MoneyRow> money; // every category with a stake
    DoublingInputs doublingInputs;
    DoublingState doublingState = DoublingState::NoTableMax;
    std::vector<DoublingRow> doubling; // every category with a stake, when Ready

    bool empty() const { return spins == 0; }
};

} // namespace spinledger::stats
