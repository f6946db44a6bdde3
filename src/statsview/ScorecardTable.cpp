#include "statsview/ScorecardTable.h"

#include "stats/FigureFormat.h"
#include "statsview/TableText.h"

#include <QCoreApplication>
#include <QHeaderView>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

const TableText::Column kScorecardColumns[ScorecardTable::ColumnCount] = {
    {QT_TRANSLATE_NOOP("TableText", "Category"),
     QT_TRANSLATE_NOOP("TableText", "The bet the advice was given for; under it, what the numbers say.")},
    {QT_TRANSLATE_NOOP("TableText", "Judged"),
     QT_TRANSLATE_NOOP("TableText",
                       "How many advices of this casino were judged against the spin that followed them.")},
    {QT_TRANSLATE_NOOP("TableText", "Hits"),
     QT_TRANSLATE_NOOP("TableText", "How many of the judged advices won.")},
    {QT_TRANSLATE_NOOP("TableText", "Hit rate"),
     QT_TRANSLATE_NOOP("TableText", "Hits divided by judged advices.")},
    {QT_TRANSLATE_NOOP("TableText", "95% interval"),
     QT_TRANSLATE_NOOP(
         "TableText",
         "Where the advice's true hit rate lies with 95% confidence (Wilson); it narrows as spins add up.")},
    {QT_TRANSLATE_NOOP("TableText", "Chance"),
     QT_TRANSLATE_NOOP("TableText", "How often a blind bet on this category wins with the pockets in play.")},
    {QT_TRANSLATE_NOOP("TableText", "Break-even"),
     QT_TRANSLATE_NOOP("TableText", "The hit rate at which the payout just returns the stakes; below it the "
                                    "bet loses in the long run.")},
    {QT_TRANSLATE_NOOP("TableText", "p"),
     QT_TRANSLATE_NOOP("TableText", "How likely this many hits or more are by blind betting, corrected for "
                                    "judging every category at once "
                                    "(Holm); below 0.05 counts as beating chance.")},
};

const char* const kVerdictTip = QT_TRANSLATE_NOOP(
    "TableText", "The verdict: does the advice hit more often than a blind bet would, and is its "
                 "hit rate shown to be above break-even?");

} // namespace

ScorecardTable::ScorecardTable(QWidget* parent) : QTableWidget(parent)
{
    TableText::setUp(this, QStringLiteral("tblScorecard"), kScorecardColumns, ColumnCount);
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
        verdict->setToolTip(QCoreApplication::translate("TableText", kVerdictTip));
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
