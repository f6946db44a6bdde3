#include "stats/FiguresText.h"

#include "stats/FigureFormat.h"
#include "stats/Scorecard.h"
#include "stats/WheelFormat.h"

#include <QStringList>

namespace spinledger::stats::FiguresText {

namespace {

namespace F = FigureFormat;

// Columns padded to their widest cell; the first column and the last one
// (free text) are left-aligned, numbers right-aligned.
QString table(const QStringList& header, const QList<QStringList>& rows)
{
    QList<int> width;
    for (const QString& h : header)
        width << int(h.size());
    for (const QStringList& r : rows) {
        for (int i = 0; i < r.size(); ++i)
            width[i] = std::max(width[i], int(r[i].size()));
    }
    auto line = [&](const QStringList& cells) {
        QStringList padded;
        for (int i = 0; i < cells.size(); ++i) {
            const bool left =
                i == 0 || (i == cells.size() - 1 && !cells[i].isEmpty() && !cells[i][0].isDigit());
            padded << (left ? cells[i].leftJustified(width[i]) : cells[i].rightJustified(width[i]));
        }
        return QStringLiteral("  ") + padded.join(QStringLiteral("  ")).trimmed() + u'\n';
    };
    QString out = line(header);
    for (const QStringList& r : rows)
        out += line(r);
    return out;
}

QString heading(const Figures& f, const QLocale& l)
{
    // Casino 0 is none of the database's: a name says what the figures are of.
    const QString casino = f.casino == 0 ? f.casinoName
                           : f.casinoName.isEmpty()
                               ? QStringLiteral("Casino %1").arg(f.casino)
                               : QStringLiteral("%1 (id %2)").arg(f.casinoName).arg(f.casino);
    return QStringLiteral("%1, %2: %3 spins, %4 judged advices, %5\n")
        .arg(casino, F::wheelName(f.wheel), F::count(f.spins, l), F::count(f.judged, l), F::pocketsInPlay(f));
}

QString scorecard(const Figures& f, const QLocale& l)
{
    QList<QStringList> rows;
    for (const ScoreRow& r : f.scorecard)
        rows << (F::scoreCells(f.wheel, r, l) << F::verdictText(r, l));
    return QStringLiteral("\nDoes the advice beat chance?\n") +
           table({QStringLiteral("category"), QStringLiteral("judged"), QStringLiteral("hits"),
                  QStringLiteral("hit rate"), QStringLiteral("95% interval"), QStringLiteral("chance"),
                  QStringLiteral("break-even"), QStringLiteral("p (Holm)"), QStringLiteral("verdict")},
                 rows) +
           QStringLiteral(
               "  chance: how often a blind bet hits; p: how likely this many hits are by blind betting,\n"
               "  corrected with Holm's method for %1 categories; a verdict needs %2 judged advices.\n")
               .arg(f.scorecard.size())
               .arg(Scorecard::MinJudged);
}

QString extreme(const char* which, const PocketExtreme& e, const Bias& b, const QLocale& l)
{
    return QStringLiteral(
               "  %1 pocket %2: %3 spins, z = %4, %5 for one pocket, %6 for the most extreme of %7\n")
        .arg(QString::fromLatin1(which), e.label, F::count(e.count, l), F::number(e.z, l, 2), F::pIs(e.p, l),
             F::pValue(e.corrected, l))
        .arg(b.pockets);
}

QString bias(const Figures& f, const QLocale& l)
{
    const Bias& b = f.bias;
    QString out =
        QStringLiteral("\nIs the wheel biased?\n  %1 spins on %2 pockets: expected %3 each, "
                       "95% band %4 to %5\n")
            .arg(F::count(b.spins, l))
            .arg(b.pockets)
            .arg(F::number(b.expected, l, 1), F::number(b.band.low, l, 1), F::number(b.band.high, l, 1));
    if (b.leftOut > 0)
        out += QStringLiteral("  left out: %1 spins on 00, recorded while it was enabled\n")
                   .arg(F::count(b.leftOut, l));
    QString cells;
    int column = 0;
    for (const PocketCount& c : b.counts) {
        cells += QStringLiteral("%1:%2").arg(c.label, 4).arg(F::count(c.count, l), 6);
        if (++column % 8 == 0)
            cells += u'\n';
    }
    if (!cells.endsWith(u'\n'))
        cells += u'\n';
    out += cells;
    if (!b.tested)
        return out +
               QStringLiteral("  chi-square: %1 (%2 so far)\n").arg(F::testNeeds(b), F::count(b.spins, l));
    out += QStringLiteral("  chi-square %1 with %2 degrees of freedom: %3\n")
               .arg(F::number(b.chiSquare, l, 2))
               .arg(b.degreesOfFreedom)
               .arg(F::pIs(b.pValue, l));
    return out + extreme("hottest", b.hottest, b, l) + extreme("coldest", b.coldest, b, l);
}

QString wheelOrder(const Figures& f, const QLocale& l)
{
    namespace W = WheelFormat;
    const WheelFigures& w = f.wheelFigures;
    QString out = QStringLiteral("\nThe wheel's own figures\n");
    if (!w.hasOrder()) {
        out += QStringLiteral("  ") + W::orderTitle(f) + u'\n';
    } else {
        out += QStringLiteral("  %1:\n").arg(W::orderTitle(f));
        QString cells;
        for (qsizetype i = 0; i < w.order.size(); ++i) {
            cells += QStringLiteral("%1:%2").arg(w.order[i], 4).arg(F::count(w.counts[size_t(i)], l), 6);
            if ((i + 1) % 8 == 0)
                cells += u'\n';
        }
        if (!cells.endsWith(u'\n'))
            cells += u'\n';
        out += cells;
        out += QStringLiteral("  sectors: every arc of %1 neighbouring pockets at every start\n")
                   .arg(W::widths());
        if (!w.tested) {
            out += QStringLiteral("  ") + W::notEnough(w, l) + u'\n';
        } else {
            out += QStringLiteral("  ") + W::arc(QStringLiteral("hottest"), w.hottest, w, l) + u'\n';
            out += QStringLiteral("  ") + W::arc(QStringLiteral("coldest"), w.coldest, w, l) + u'\n';
        }
        if (f.zeroZero) {
            out +=
                QStringLiteral("  classic sectors: they belong to the single-zero wheel (00 is enabled)\n");
        } else if (w.tested) {
            QList<QStringList> rows;
            for (const ClassicSector& c : w.classic)
                rows << QStringList{c.name,
                                    c.pockets.join(u' '),
                                    F::count(c.count, l),
                                    F::number(c.expected, l, 1),
                                    F::number(c.z, l, 2),
                                    F::pValue(c.holmP, l)};
            out += QStringLiteral(
                       "  classic sectors (p two-sided, corrected with Holm's method over the four):\n") +
                   table({QStringLiteral("sector"), QStringLiteral("pockets"), QStringLiteral("spins"),
                          QStringLiteral("expected"), QStringLiteral("z"), QStringLiteral("p (Holm)")},
                         rows);
        }
    }
    out += QStringLiteral("  spins a verdict needs (%1):\n").arg(W::spinsNeededTest(f));
    for (const SpinsNeededRow& r : w.spinsNeeded)
        out += QStringLiteral("    ") + W::spinsNeeded(r, w.sectorWidth, f.spins, l) + u'\n';
    out += QStringLiteral("  what an edge would be worth (over break-even, one chip on each pocket):\n");
    if (!w.tested)
        return out + QStringLiteral("    ") + W::notEnough(w, l) + u'\n';
    out += QStringLiteral("    ") + W::edge(QStringLiteral("hottest pocket"), w.pocketEdge, l) + u'\n';
    if (w.sectorEdge.present)
        out += QStringLiteral("    ") + W::edge(QStringLiteral("hottest arc"), w.sectorEdge, l) + u'\n';
    return out;
}

QString money(const Figures& f, const QLocale& l)
{
    const DoublingInputs& in = f.doublingInputs;
    QStringList header{QStringLiteral("category"),
                       QStringLiteral("played"),
                       QStringLiteral("bets"),
                       QStringLiteral("wins"),
                       QStringLiteral("result"),
                       QStringLiteral("largest stake"),
                       QStringLiteral("longest losing run")};
    if (in.limited())
        header << QStringLiteral("stopped at spin") << QStringLiteral("result then");
    QList<QStringList> rows;
    for (const MoneyRow& m : f.money)
        rows << (in.limited() ? F::moneyCells(f.wheel, m, l) + F::limitCells(m, l)
                              : F::moneyCells(f.wheel, m, l));
    QString out = QStringLiteral(
                      "\nHad the player followed the advice (every category with a stake, played or not)\n") +
                  table(header, rows);
    if (in.limited())
        out +=
            QStringLiteral("  stopped: the first bet that the table maximum (%1) or the bankroll (%2) would "
                           "have refused;\n  result then: the result of the bets before it; empty: never "
                           "stopped.\n")
                .arg(in.tableMax ? F::amount(*in.tableMax, l) : QStringLiteral("not set"),
                     in.bankroll ? F::amount(*in.bankroll, l) : QStringLiteral("no limit"));
    return out;
}

QString doubling(const Figures& f, const QLocale& l)
{
    const DoublingInputs& in = f.doublingInputs;
    QString out =
        QStringLiteral("\nWhat doubling risks (base %1, table maximum %2, bankroll %3, %4 series)\n")
            .arg(F::amount(in.base, l), in.tableMax ? F::amount(*in.tableMax, l) : QStringLiteral("not set"),
                 in.bankroll ? F::amount(*in.bankroll, l) : QStringLiteral("no limit"))
            .arg(in.series);
    if (f.doublingState != DoublingState::Ready)
        return out + QStringLiteral("  ") + F::doublingState(f.doublingState) + u'\n';
    QList<QStringList> rows;
    for (const DoublingRow& d : f.doubling)
        rows << F::doublingCells(f.wheel, d, l);
    return out + table({QStringLiteral("category"), QStringLiteral("bets"), QStringLiteral("a series busts"),
                        QStringLiteral("a bust loses"), QStringLiteral("expected per series"),
                        QStringLiteral("1+ bust in %1 series").arg(in.series),
                        QStringLiteral("longest losing run"), QStringLiteral("stake it needed")},
                       rows);
}

} // namespace

QString toText(const Figures& f, const QLocale& locale)
{
    QString out = heading(f, locale);
    if (f.empty())
        return out + QStringLiteral("No spins recorded yet: nothing to judge.\n");
    return out + scorecard(f, locale) + bias(f, locale) + wheelOrder(f, locale) + money(f, locale) +
           doubling(f, locale);
}

} // namespace spinledger::stats::FiguresText
