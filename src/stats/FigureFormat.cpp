#include "stats/FigureFormat.h"

#include "store/OleDate.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>

namespace spinledger::stats::FigureFormat {

namespace {

// What the player reads is translated; the C locale stands for what scripts
// read (JSON), which stays as it is.
QString say(const char* text, const QLocale& l)
{
    return l == QLocale::c() ? QString::fromUtf8(text) : QCoreApplication::translate("FigureFormat", text);
}

} // namespace

QString wheelName(QChar wheel)
{
    return wheel == u'M' ? QCoreApplication::translate("FigureFormat", "mini wheel")
                         : QCoreApplication::translate("FigureFormat", "38-pocket wheel");
}

QString caption(QChar wheel, CategoryId category)
{
    const Wheel* w = Wheel::byLetter(wheel);
    const Category* c = w ? w->category(category) : nullptr;
    return c ? c->caption : QString();
}

namespace {

QString shownCaption(QChar wheel, CategoryId category, const QLocale& l)
{
    const QString stored = caption(wheel, category);
    return l == QLocale::c() ? stored : QCoreApplication::translate("Wheel", stored.toLatin1().constData());
}

} // namespace

QString pocketsInPlay(const Figures& f)
{
    return f.zeroZero
               ? QCoreApplication::translate("FigureFormat", "%1 pockets in play (00 enabled)").arg(f.pockets)
               : QCoreApplication::translate("FigureFormat", "%1 pockets in play (00 switched off)")
                     .arg(f.pockets);
}

namespace {

QDateTime dateTimeOf(double stamp)
{
    qint64 msecsOfDay = 0;
    const QDate day = OleStamp::dateOf(OleStamp::fromNow(stamp).msecs(), msecsOfDay);
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(int(msecsOfDay)));
}

QString dayOf(double stamp, const QLocale& l)
{
    return l.toString(dateTimeOf(stamp).date(), QLocale::ShortFormat);
}

// The last day before an end stamp, which is the start of the day after it.
QString dayBefore(double stamp, const QLocale& l)
{
    return l.toString(dateTimeOf(stamp).date().addDays(-1), QLocale::ShortFormat);
}

QString windowName(const SpinWindow& w, const QLocale& l)
{
    switch (w.kind) {
    case SpinWindow::Kind::All:
        return say(QT_TRANSLATE_NOOP("FigureFormat", "all spins"), l);
    case SpinWindow::Kind::Last:
        return say(QT_TRANSLATE_NOOP("FigureFormat", "the last %1 spins"), l).arg(l.toString(w.last));
    case SpinWindow::Kind::Session:
        return say(QT_TRANSLATE_NOOP("FigureFormat", "this session (since %1)"), l)
            .arg(l.toString(dateTimeOf(w.from.value_or(0)), QLocale::ShortFormat));
    case SpinWindow::Kind::Dates:
        if (w.from && w.until)
            return say(QT_TRANSLATE_NOOP("FigureFormat", "from %1 to %2"), l)
                .arg(dayOf(*w.from, l), dayBefore(*w.until, l));
        if (w.from)
            return say(QT_TRANSLATE_NOOP("FigureFormat", "since %1"), l).arg(dayOf(*w.from, l));
        if (w.until)
            return say(QT_TRANSLATE_NOOP("FigureFormat", "up to %1"), l).arg(dayBefore(*w.until, l));
        return say(QT_TRANSLATE_NOOP("FigureFormat", "all spins"), l);
    }
    return {};
}

} // namespace

QString windowText(const Figures& f, const QLocale& l)
{
    const QString name = windowName(f.window, l);
    if (f.span.whole())
        return name;
    if (f.span.size() == 0)
        return say(QT_TRANSLATE_NOOP("FigureFormat", "%1 (none of %2 spins)"), l)
            .arg(name, count(f.span.total, l));
    return say(QT_TRANSLATE_NOOP("FigureFormat", "%1 (spins %2 to %3 of %4)"), l)
        .arg(name, count(f.span.first, l), count(f.span.last, l), count(f.span.total, l));
}

QString verdictText(const ScoreRow& row, const QLocale& locale)
{
    switch (row.verdict) {
    case Verdict::NotEnough:
        return say(QT_TRANSLATE_NOOP("FigureFormat", "not enough judged spins"), locale);
    case Verdict::NoEvidence:
        return say(QT_TRANSLATE_NOOP("FigureFormat", "no evidence that the advice beats chance"), locale);
    case Verdict::BeatsChanceBelow:
        return say(QT_TRANSLATE_NOOP("FigureFormat", "beats chance (%1) — still below break-even"), locale)
            .arg(pIs(row.holmP, locale));
    case Verdict::BeatsChanceAbove:
        return say(QT_TRANSLATE_NOOP("FigureFormat", "beats chance (%1) — and above break-even"), locale)
            .arg(pIs(row.holmP, locale));
    }
    return {};
}

QString testNeeds(const Bias& bias)
{
    return QCoreApplication::translate("FigureFormat", "needs at least %1 spins").arg(bias.needed);
}

QString doublingState(DoublingState state)
{
    switch (state) {
    case DoublingState::Ready:
        return {};
    case DoublingState::NoBase:
        return QCoreApplication::translate(
            "FigureFormat", "Type your stake amount on the wheel's board: doubling starts from it.");
    case DoublingState::NoTableMax:
        return QCoreApplication::translate("FigureFormat",
                                           "Type the table maximum to see what doubling risks.");
    case DoublingState::NoRoom:
        return QCoreApplication::translate(
            "FigureFormat", "The stake amount is above the table maximum or the bankroll: no series fits.");
    }
    return {};
}

QString number(double value, const QLocale& locale, int decimals)
{
    return locale.toString(value, 'f', decimals);
}

QString percent(double share, const QLocale& locale, int decimals)
{
    return number(share * 100, locale, decimals) + locale.percent();
}

QString chance(double p, const QLocale& locale, int decimals)
{
    const double step = std::pow(10.0, -decimals) / 100; // the last digit shown, as a share
    if (p > 0 && p < step / 2)
        return QStringLiteral("< ") + percent(step, locale, decimals);
    if (p < 1 && p > 1 - step / 2)
        return QStringLiteral("> ") + percent(1 - step, locale, decimals);
    return percent(p, locale, decimals);
}

QString amount(double value, const QLocale& locale)
{
    const bool whole = std::abs(value - std::round(value)) < 0.005;
    return number(whole ? std::round(value) : value, locale, whole ? 0 : 2);
}

// Below this a p-value shows as "< 0.0001": more digits tell a player
// nothing, and fixed notation keeps every p readable without exponents.
constexpr double SmallestShownP = 1e-4;

QString pValue(double p, const QLocale& locale)
{
    if (p < SmallestShownP)
        return QStringLiteral("< ") + locale.toString(SmallestShownP, 'f', 4);
    // Two significant digits, rounded before printing so that 0.00996 reads
    // 0.01 rather than 0.0100.
    const int decimals = 1 - int(std::floor(std::log10(p)));
    const double scale = std::pow(10.0, decimals);
    return locale.toString(std::round(p * scale) / scale, 'f', QLocale::FloatingPointShortest);
}

QString pIs(double p, const QLocale& locale)
{
    const QString v = pValue(p, locale);
    return QStringLiteral("p ") + (v.startsWith(u'<') ? v : QStringLiteral("= ") + v);
}

QString count(qint64 value, const QLocale& locale)
{
    return locale.toString(value);
}

QString stamp(double now, const QLocale& l)
{
    const QDateTime at = dateTimeOf(now);
    return l.toString(at.date(), QLocale::ShortFormat) + u' ' + l.toString(at.time(), QLocale::ShortFormat);
}

QString betCell(const Wheel& wheel, const HistoryRow::Bet& bet, const QLocale& l)
{
    if (bet.verdict == WinVerdict::None)
        return {};
    QStringList parts{wheel.adviceText(bet.advice)};
    if (bet.stake >= 0)
        parts << amount(bet.stake, l);
    parts << (bet.verdict == WinVerdict::Won ? say(QT_TRANSLATE_NOOP("FigureFormat", "won"), l)
                                             : say(QT_TRANSLATE_NOOP("FigureFormat", "lost"), l));
    return parts.join(QStringLiteral(" · "));
}

QString oneIn(double chance, const QLocale& locale)
{
    if (chance >= 1)
        return say(QT_TRANSLATE_NOOP("FigureFormat", "every time"), locale);
    if (chance <= 0)
        return say(QT_TRANSLATE_NOOP("FigureFormat", "never"), locale);
    return say(QT_TRANSLATE_NOOP("FigureFormat", "1 in %1"), locale)
        .arg(number(std::round(1 / chance), locale, 0));
}

QStringList scoreCells(QChar wheel, const ScoreRow& r, const QLocale& l)
{
    const bool any = r.judged > 0;
    const QString none = QStringLiteral("–");
    return {shownCaption(wheel, r.category, l),
            count(r.judged, l),
            count(r.hits, l),
            any ? percent(r.hitRate, l) : none,
            any ? percent(r.interval.low, l) + QStringLiteral(" – ") + percent(r.interval.high, l) : none,
            percent(r.chance, l),
            percent(r.breakEven, l),
            any ? pValue(r.holmP, l) : none};
}

QStringList moneyCells(QChar wheel, const MoneyRow& m, const QLocale& l)
{
    return {shownCaption(wheel, m.category, l),
            m.played ? say(QT_TRANSLATE_NOOP("FigureFormat", "yes"), l)
                     : say(QT_TRANSLATE_NOOP("FigureFormat", "no"), l),
            count(m.bets, l),
            count(m.wins, l),
            amount(m.result, l),
            amount(m.largestStake, l),
            count(m.longestLosingRun, l)};
}

QStringList limitCells(const MoneyRow& m, const QLocale& l)
{
    if (m.stop.by == Limit::None)
        return {QString(), QString()};
    const QString by = m.stop.by == Limit::TableMax ? say(QT_TRANSLATE_NOOP("FigureFormat", "table max"), l)
                                                    : say(QT_TRANSLATE_NOOP("FigureFormat", "bankroll"), l);
    return {QStringLiteral("%1 (%2)").arg(count(m.stop.spin, l), by), amount(m.stop.result, l)};
}

QStringList doublingCells(QChar wheel, const DoublingRow& d, const QLocale& l)
{
    return {shownCaption(wheel, d.category, l),
            count(d.bets, l),
            chance(d.bustChance, l, 2) + QStringLiteral(" (") + oneIn(d.bustChance, l) + u')',
            amount(d.bustLoss, l),
            amount(d.expected, l),
            chance(d.anyBust, l),
            count(d.longestLosingRun, l),
            amount(d.stakeNeeded, l)};
}

} // namespace spinledger::stats::FigureFormat
