#pragma once

#include "stats/Figures.h"

#include <QTableWidget>

namespace spinledger {

// Does the advice beat chance? Per category a row of figures and, under it
// across the whole width, the verdict in words. objectName "tblScorecard".
class ScorecardTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit ScorecardTable(QWidget* parent = nullptr);

    void showFigures(const stats::Figures& figures);

    enum Column
    {
        Category,
        Judged,
        Hits,
        HitRate,
        Interval,
        Chance,
        BreakEven,
        PValue,
        ColumnCount
    };
    // The rows of the n-th category shown: its figures, and its verdict in
    // column 0.
    static int figuresRow(int n) { return 2 * n; }
    static int verdictRow(int n) { return 2 * n + 1; }
};

} // namespace spinledger
