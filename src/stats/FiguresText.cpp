#include "stats/FiguresText.h"

#include "stats/FigureFormat.h"
#include "stats/Scorecard.h"
#include "stats/WheelFormat.h"

#include <QCoreApplication>
#include <QStringList>

namespace spinledger::stats::FiguresText {

namespace {

namespace F = FigureFormat;

QString tr(const char* text, const char* disambiguation = nullptr)
{
    return QCoreApplication::translate("spinledger::stats::FiguresText", text, disambiguation);
}

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
    const QString casino = f.casino == 0            ? f.casinoName
                           : f.casinoName.isEmpty() ? tr("Casino %1").arg(f.casino)
                                                    : tr("%1 (id %2)").arg(f.casinoName).arg(f.casino);
    return tr("%1, %2, %3: %4 spins, %5 judged advices, %6\n")
        .arg(casino, F::wheelName(f.wheel), F::windowText(f, l), F::count(f.spins, l), F::count(f.judged, l),
             F::pocketsInPlay(f));
}

QString scorecard(const Figures& f, const QLocale& l)
{
    QList<QStringList> rows;
    for (const ScoreRow& r : f.scorecard)
        rows << (F::scoreCells(f.wheel, r, l) << F::verdictText(r, l));
    return tr("\nDoes the advice beat chance?\n") +
           table({tr("category"), tr("judged"), tr("hits"), tr("hit rate"), tr("95% interval"), tr("chance"),
                  tr("break-even"), tr("p (Holm)"), tr("verdict")},
                 rows) +
           tr("  chance: how often a blind bet hits; p: how likely this many hits are by blind betting,\n"
              "  corrected with Holm's method for %1 categories; a verdict needs %2 judged advices.\n")
               .arg(f.scorecard.size())
               .arg(Scorecard::MinJudged);
}

QString extreme(const QString& which, const PocketExtreme& e, const Bias& b, const QLocale& l)
{
    return tr("  %1 pocket %2: %3 spins, z = %4, %5 for one pocket, %6 for the most extreme of %7\n")
        .arg(which, e.label, F::count(e.count, l), F::number(e.z, l, 2), F::pIs(e.p, l),
             F::pValue(e.corrected, l))
        .arg(b.pockets);
}

QString bias(const Figures& f, const QLocale& l)
{
    const Bias& b = f.bias;
    QString out =
        tr("\nIs the wheel biased?\n  %1 spins on %2 pockets: expected %3 each, "
           "95% band %4 to %5\n")
            .arg(F::count(b.spins, l))
            .arg(b.pockets)
            .arg(F::number(b.expected, l, 1), F::number(b.band.low, l, 1), F::number(b.band.high, l, 1));
    if (b.leftOut > 0)
        out += tr("  left out: %1 spins on 00, recorded while it was enabled\n").arg(F::count(b.leftOut, l));
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
        return out + tr("  chi-square: %1 (%2 so far)\n").arg(F::testNeeds(b), F::count(b.spins, l));
    out += tr("  chi-square %1 with %2 degrees of freedom: %3\n")
               .arg(F::number(b.chiSquare, l, 2))
               .arg(b.degreesOfFreedom)
               .arg(F::pIs(b.pValue, l));
    return out + extreme(tr("hottest", "pocket"), b.hottest, b, l) +
           extreme(tr("coldest", "pocket"), b.coldest, b, l);
}

QString wheelOrder(const Figures& f, const QLocale& l)
{
    namespace W = WheelFormat;
    const WheelFigures& w = f.wheelFigures;
    QString out = tr("\nThe wheel's own figures\n");
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
        out += tr("  sectors: every arc of %1 neighbouring pockets at every start\n").arg(W::widths());
        if (!w.tested) {
            out += QStringLiteral("  ") + W::notEnough(w, l) + u'\n';
        } else {
            out += QStringLiteral("  ") + W::arc(tr("hottest", "arc"), w.hottest, w, l) + u'\n';
            out += QStringLiteral("  ") + W::arc(tr("coldest", "arc"), w.coldest, w, l) + u'\n';
        }
        if (f.zeroZero) {
            out += tr("  classic sectors: they belong to the single-zero wheel (00 is enabled)\n");
        } else if (w.tested) {
            QList<QStringList> rows;
            for (const ClassicSector& c : w.classic)
                rows << QStringList{c.name,
                                    c.pockets.join(u' '),
                                    F::count(c.count, l),
                                    F::number(c.expected, l, 1),
                                    F::number(c.z, l, 2),
                                    F::pValue(c.holmP, l)};
            out += tr("  classic sectors (p two-sided, corrected with Holm's method over the four):\n") +
                   table({tr("sector"), tr("pockets"), tr("spins"), tr("expected"), tr("z"), tr("p (Holm)")},
                         rows);
        }
    }
    out += tr("  spins a verdict needs (%1):\n").arg(W::spinsNeededTest(f));
    for (const SpinsNeededRow& r : w.spinsNeeded)
        out += QStringLiteral("    ") + W::spinsNeeded(r, w.sectorWidth, f.spins, l) + u'\n';
    out += tr("  what an edge would be worth (over break-even, one chip on each pocket):\n");
    if (!w.tested)
        return out + QStringLiteral("    ") + W::notEnough(w, l) + u'\n';
    out += QStringLiteral("    ") + W::edge(tr("hottest pocket"), w.pocketEdge, l) + u'\n';
    if (w.sectorEdge.present)
        out += QStringLiteral("    ") + W::edge(tr("hottest arc"), w.sectorEdge, l) + u'\n';
    return out;
}

QString money(const Figures& f, const QLocale& l)
{
    const DoublingInputs& in = f.doublingInputs;
    QStringList header{
        tr("category"),          tr("played"), tr("bets"), tr("wins"), tr("result"), tr("largest stake"),
        tr("longest losing run")};
    if (in.limited())
        header << tr("stopped at spin") << tr("result then");
    QList<QStringList> rows;
    for (const MoneyRow& m : f.money)
        rows << (in.limited() ? F::moneyCells(f.wheel, m, l) + F::limitCells(m, l)
                              : F::moneyCells(f.wheel, m, l));
    QString out = tr("\nHad the player followed the advice (every category with a stake, played or not)\n") +
                  table(header, rows);
    if (in.limited())
        out += tr("  stopped: the first bet that the table maximum (%1) or the bankroll (%2) would "
                  "have refused;\n  result then: the result of the bets before it; empty: never "
                  "stopped.\n")
                   .arg(in.tableMax ? F::amount(*in.tableMax, l) : tr("not set"),
                        in.bankroll ? F::amount(*in.bankroll, l) : tr("no limit"));
    return out;
}

QString doubling(const Figures& f, const QLocale& l)
{
    const DoublingInputs& in = f.doublingInputs;
    QString out = tr("\nWhat doubling risks (base %1, table maximum %2, bankroll %3, %4 series)\n")
                      .arg(F::amount(in.base, l), in.tableMax ? F::amount(*in.tableMax, l) : tr("not set"),
                           in.bankroll ? F::amount(*in.bankroll, l) : tr("no limit"))
                      .arg(in.series);
    if (f.doublingState != DoublingState::Ready)
        return out + QStringLiteral("  ") + F::doublingState(f.doublingState) + u'\n';
    QList<QStringList> rows;
    for (const DoublingRow& d : f.doubling)
        rows << F::doublingCells(f.wheel, d, l);
    return out + table({tr("category"), tr("bets"), tr("a series busts"), tr("a bust loses"),
                        tr("expected per series"), tr("1+ bust in %1 series").arg(in.series),
                        tr("longest losing run"), tr("stake it needed")},
                       rows);
}

} // namespace

QString toText(const Figures& f, const QLocale& locale)
{
    QString out = heading(f, locale);
    if (f.empty())
        return out + (f.span.total > 0 ? tr("None of the casino's spins is in this window: nothing "
                                            "to judge.\n")
                                       : tr("No spins recorded yet: nothing to judge.\n"));
    return out + scorecard(f, locale) + bias(f, locale) + wheelOrder(f, locale) + money(f, locale) +
           doubling(f, locale);
}

} // namespace spinledger::stats::FiguresText
