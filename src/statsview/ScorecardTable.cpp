#include "statsview/ScorecardTable.h"

#include "stats/FigureFormat.h"
#include "statsview/TableText.h"

#include <QHeaderView>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

const TableText::Column kColumns[ScorecardTable::ColumnCount] = {
    {"Category", "The bet the advice was given for; under it, what the numbers say."},
    {"Judged", "How many advices of this casino were judged against the spin that followed them."},
    {"Hits", "How many of the judged advices won."},
    {"Hit rate", "Hits divided by judged advices."},
    {"95% interval",
     "Where the advice's true hit rate lies with 95% confidence (Wilson); it narrows as spins add up."},
    {"Chance", "How often a blind bet on this category wins with the pockets in play."},
    {"Break-even",
     "The hit rate at which the payout just returns the stakes; below it the bet loses in the long run."},
    {"p",
     "How likely this many hits or more are by blind betting, corrected for judging every category at once "
     "(Holm); below 0.05 counts as beating chance."},
};

const char* const kVerdictTip =
    "The verdict: does the advice hit more often than a blind bet would, and is its "
    "hit rate shown to be above break-even?";

} // namespace

ScorecardTable::ScorecardTable(QWidget* parent) : QTableWidget(parent)
{
    TableText::setUp(this, QStringLiteral("tblScorecard"), kColumns, ColumnCount);
    // Widths come from the figure rows alone (the verdicts span them all);
    // the category column takes what is left.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(Category, QHeaderView::Stretch);
    horizontalHeader()->setStretchLastSection(false);
}

void ScorecardTable::showFigures(const stats::Figures& f)
{
    const QLocale l;
    QList<QStringList> rows;
    for (const stats::ScoreRow& s : f.scorecard)
        rows << F::scoreCells(f.wheel, s, l) << QStringList{F::verdictText(s, l)};
    clearSpans();
    TableText::fill(this, rows);
    for (int n = 0; n < int(f.scorecard.size()); ++n) {
        const stats::Verdict v = f.scorecard[size_t(n)].verdict;
        QTableWidgetItem* verdict = item(verdictRow(n), 0);
        setSpan(verdictRow(n), 0, 1, ColumnCount);
        verdict->setToolTip(QString::fromUtf8(kVerdictTip));
        QFont font = verdict->font();
        font.setBold(v == stats::Verdict::BeatsChanceAbove || v == stats::Verdict::BeatsChanceBelow);
        verdict->setFont(font);
        verdict->setText(QStringLiteral("   ") + verdict->text());
        if (v == stats::Verdict::NotEnough)
            verdict->setForeground(palette().brush(QPalette::PlaceholderText));
        QFont name = item(figuresRow(n), Category)->font();
        name.setBold(true);
        item(figuresRow(n), Category)->setFont(name);
    }
    for (int c = Category + 1; c < ColumnCount; ++c) {
        int width = horizontalHeader()->fontMetrics().horizontalAdvance(horizontalHeaderItem(c)->text()) + 20;
        for (int n = 0; n < int(f.scorecard.size()); ++n) {
            const QTableWidgetItem* i = item(figuresRow(n), c);
            width = std::max(width, QFontMetrics(i->font()).horizontalAdvance(i->text()) + 14);
        }
        setColumnWidth(c, width);
    }
}

} // namespace spinledger
