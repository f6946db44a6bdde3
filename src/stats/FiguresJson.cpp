#include "stats/FiguresJson.h"

#include "stats/ClassicSectors.h"
#include "stats/FigureFormat.h"
#include "stats/SectorScan.h"
#include "stats/WheelFormat.h"

#include <QJsonArray>

namespace spinledger::stats::FiguresJson {

namespace {

QString key(QChar wheel, CategoryId c)
{
    const Wheel* w = Wheel::byLetter(wheel);
    return w && w->category(c) ? w->category(c)->key : QString();
}

// Keys in the order of the enums.
const char* const kVerdictKeys[] = {"not-enough", "no-evidence", "beats-chance-below-break-even",
                                    "beats-chance-above-break-even"};
const char* const kStateKeys[] = {"ready", "no-base", "no-table-max", "no-room"};
const char* const kLimitKeys[] = {"", "table-max", "bankroll"};

QJsonValue orNull(bool present, double value)
{
    return present ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue optional(const std::optional<double>& v)
{
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

QJsonArray scorecard(const Figures& f)
{
    QJsonArray rows;
    for (const ScoreRow& r : f.scorecard) {
        const bool any = r.judged > 0;
        rows.append(QJsonObject{
            {QStringLiteral("category"), key(f.wheel, r.category)},
            {QStringLiteral("caption"), FigureFormat::caption(f.wheel, r.category)},
            {QStringLiteral("judged"), r.judged},
            {QStringLiteral("hits"), r.hits},
            {QStringLiteral("hitRate"), orNull(any, r.hitRate)},
            {QStringLiteral("wilsonLow"), orNull(any, r.interval.low)},
            {QStringLiteral("wilsonHigh"), orNull(any, r.interval.high)},
            {QStringLiteral("chance"), r.chance},
            {QStringLiteral("payout"), r.payout},
            {QStringLiteral("breakEven"), r.breakEven},
            {QStringLiteral("pValue"), orNull(any, r.pValue)},
            {QStringLiteral("holmP"), orNull(any, r.holmP)},
            {QStringLiteral("verdict"), QString::fromLatin1(kVerdictKeys[int(r.verdict)])},
            {QStringLiteral("verdictText"), FigureFormat::verdictText(r, QLocale::c())},
        });
    }
    return rows;
}

QJsonObject extreme(const PocketExtreme& e)
{
    return {{QStringLiteral("pocket"), e.label},
            {QStringLiteral("count"), e.count},
            {QStringLiteral("z"), e.z},
            {QStringLiteral("p"), e.p},
            {QStringLiteral("pCorrected"), e.corrected}};
}

QJsonObject bias(const Bias& b)
{
    QJsonArray counts;
    for (const PocketCount& c : b.counts)
        counts.append(QJsonObject{{QStringLiteral("pocket"), c.label}, {QStringLiteral("count"), c.count}});
    const QJsonValue none(QJsonValue::Null);
    return {
        {QStringLiteral("pockets"), b.pockets},
        {QStringLiteral("spins"), b.spins},
        {QStringLiteral("leftOut"), b.leftOut},
        {QStringLiteral("counts"), counts},
        {QStringLiteral("expected"), b.expected},
        {QStringLiteral("bandLow"), b.band.low},
        {QStringLiteral("bandHigh"), b.band.high},
        {QStringLiteral("needed"), b.needed},
        {QStringLiteral("tested"), b.tested},
        {QStringLiteral("df"), b.degreesOfFreedom},
        {QStringLiteral("chiSquare"), orNull(b.tested, b.chiSquare)},
        {QStringLiteral("pValue"), orNull(b.tested, b.pValue)},
        {QStringLiteral("hottest"), b.tested ? QJsonValue(extreme(b.hottest)) : none},
        {QStringLiteral("coldest"), b.tested ? QJsonValue(extreme(b.coldest)) : none},
    };
}

QJsonArray labels(const QStringList& pockets)
{
    return QJsonArray::fromStringList(pockets);
}

QJsonValue wheelOrder(const WheelFigures& w)
{
    if (!w.hasOrder())
        return QJsonValue::Null;
    QJsonArray pockets;
    for (qsizetype i = 0; i < w.order.size(); ++i)
        pockets.append(QJsonObject{{QStringLiteral("pocket"), w.order[i]},
                                   {QStringLiteral("count"), w.counts[size_t(i)]}});
    return pockets;
}

QJsonObject arc(const Arc& a, bool simulated)
{
    return {{QStringLiteral("width"), a.width},
            {QStringLiteral("start"), a.start},
            {QStringLiteral("pockets"), labels(a.pockets)},
            {QStringLiteral("count"), a.count},
            {QStringLiteral("expected"), a.expected},
            {QStringLiteral("z"), a.z},
            {QStringLiteral("pCorrected"), orNull(simulated, a.p)},
            {QStringLiteral("pStandardError"), orNull(simulated, a.pError)}};
}

QJsonValue sectors(const WheelFigures& w)
{
    if (!w.hasOrder())
        return QJsonValue::Null;
    QJsonArray widths;
    for (int width : SectorScan::Widths)
        widths.append(width);
    const bool simulated = w.simulations > 0;
    const QJsonValue none(QJsonValue::Null);
    return QJsonObject{
        {QStringLiteral("widths"), widths},
        {QStringLiteral("arcsScanned"), WheelFormat::arcsScanned(w)},
        {QStringLiteral("needed"), w.needed},
        {QStringLiteral("tested"), w.tested},
        {QStringLiteral("simulations"), w.simulations},
        {QStringLiteral("seed"), QString::number(SectorScan::Seed)},
        {QStringLiteral("hottest"), w.tested ? QJsonValue(arc(w.hottest, simulated)) : none},
        {QStringLiteral("coldest"), w.tested ? QJsonValue(arc(w.coldest, simulated)) : none},
    };
}

QJsonValue classicSectors(const WheelFigures& w)
{
    if (w.classic.empty())
        return QJsonValue::Null;
    QJsonArray rows;
    for (size_t i = 0; i < w.classic.size(); ++i) {
        const ClassicSector& c = w.classic[i];
        rows.append(
            QJsonObject{{QStringLiteral("sector"), QString::fromLatin1(ClassicSectors::sectors()[i].key)},
                        {QStringLiteral("name"), c.name},
                        {QStringLiteral("pockets"), labels(c.pockets)},
                        {QStringLiteral("count"), c.count},
                        {QStringLiteral("expected"), c.expected},
                        {QStringLiteral("z"), c.z},
                        {QStringLiteral("p"), c.p},
                        {QStringLiteral("holmP"), c.holmP}});
    }
    return rows;
}

QJsonObject spinsNeeded(const Figures& f)
{
    const WheelFigures& w = f.wheelFigures;
    QJsonArray rows;
    for (const SpinsNeededRow& r : w.spinsNeeded)
        rows.append(QJsonObject{{QStringLiteral("edge"), r.edge},
                                {QStringLiteral("pocket"), r.pocket},
                                {QStringLiteral("sector"), orNull(w.sectorWidth > 0, double(r.sector))}});
    return {{QStringLiteral("recorded"), f.spins},
            {QStringLiteral("sectorWidth"), orNull(w.sectorWidth > 0, w.sectorWidth)},
            {QStringLiteral("rows"), rows}};
}

QJsonValue edgeOf(const EdgeEstimate& e)
{
    if (!e.present)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("pockets"), labels(e.pockets)},
                       {QStringLiteral("hits"), e.hits},
                       {QStringLiteral("spins"), e.spins},
                       {QStringLiteral("odds"), e.odds},
                       {QStringLiteral("breakEven"), e.breakEven},
                       {QStringLiteral("hitRate"), e.hitRate},
                       {QStringLiteral("edge"), e.edge},
                       {QStringLiteral("edgeLow"), e.interval.low},
                       {QStringLiteral("edgeHigh"), e.interval.high},
                       {QStringLiteral("edgeShown"), e.shown},
                       {QStringLiteral("kelly"), orNull(e.shown, e.kelly)},
                       {QStringLiteral("kellyText"), WheelFormat::kelly(e, QLocale::c())}};
}

QJsonObject edge(const WheelFigures& w)
{
    return {{QStringLiteral("pocket"), edgeOf(w.pocketEdge)},
            {QStringLiteral("sector"), edgeOf(w.sectorEdge)}};
}

QJsonArray money(const Figures& f)
{
    QJsonArray rows;
    for (const MoneyRow& m : f.money) {
        const bool stopped = m.stop.by != Limit::None;
        rows.append(QJsonObject{
            {QStringLiteral("category"), key(f.wheel, m.category)},
            {QStringLiteral("played"), m.played},
            {QStringLiteral("bets"), m.bets},
            {QStringLiteral("wins"), m.wins},
            {QStringLiteral("result"), m.result},
            {QStringLiteral("largestStake"), m.largestStake},
            {QStringLiteral("longestLosingRun"), m.longestLosingRun},
            {QStringLiteral("stoppedBy"), stopped
                                              ? QJsonValue(QString::fromLatin1(kLimitKeys[int(m.stop.by)]))
                                              : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("stoppedAt"), orNull(stopped, double(m.stop.spin))},
            {QStringLiteral("refusedStake"), orNull(stopped, m.stop.stake)},
            {QStringLiteral("resultThen"), orNull(stopped, m.stop.result)},
        });
    }
    return rows;
}

QJsonObject doubling(const Figures& f)
{
    QJsonArray rows;
    for (const DoublingRow& d : f.doubling)
        rows.append(QJsonObject{
            {QStringLiteral("category"), key(f.wheel, d.category)},
            {QStringLiteral("bets"), d.bets},
            {QStringLiteral("bustChance"), d.bustChance},
            {QStringLiteral("bustLoss"), d.bustLoss},
            {QStringLiteral("expected"), d.expected},
            {QStringLiteral("anyBust"), d.anyBust},
            {QStringLiteral("longestLosingRun"), d.longestLosingRun},
            {QStringLiteral("stakeNeeded"), d.stakeNeeded},
        });
    const DoublingInputs& in = f.doublingInputs;
    return {
        {QStringLiteral("base"), in.base},
        {QStringLiteral("tableMax"), optional(in.tableMax)},
        {QStringLiteral("bankroll"), optional(in.bankroll)},
        {QStringLiteral("series"), in.series},
        {QStringLiteral("state"), QString::fromLatin1(kStateKeys[int(f.doublingState)])},
        {QStringLiteral("categories"), rows},
    };
}

} // namespace

QJsonObject toJson(const Figures& f)
{
    return {
        {QStringLiteral("wheel"), QString(f.wheel)},
        {QStringLiteral("casino"), f.casino > 0
                                       ? QJsonValue(QJsonObject{{QStringLiteral("id"), f.casino},
                                                                {QStringLiteral("name"), f.casinoName}})
                                       : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("pockets"), f.pockets},
        {QStringLiteral("zeroZero"), f.zeroZero},
        {QStringLiteral("spins"), f.spins},
        {QStringLiteral("judged"), f.judged},
        {QStringLiteral("scorecard"), scorecard(f)},
        {QStringLiteral("bias"), bias(f.bias)},
        {QStringLiteral("wheelOrder"), wheelOrder(f.wheelFigures)},
        {QStringLiteral("sectors"), sectors(f.wheelFigures)},
        {QStringLiteral("classicSectors"), classicSectors(f.wheelFigures)},
        {QStringLiteral("spinsNeeded"), spinsNeeded(f)},
        {QStringLiteral("edge"), edge(f.wheelFigures)},
        {QStringLiteral("money"), money(f)},
        {QStringLiteral("doubling"), doubling(f)},
    };
}

} // namespace spinledger::stats::FiguresJson
