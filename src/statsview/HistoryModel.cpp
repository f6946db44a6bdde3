#include "statsview/HistoryModel.h"

#include "stats/FigureFormat.h"
#include "stats/StatsLog.h"
#include "statsview/StatsFetcher.h"
#include "store/AppContext.h"
#include "store/Database.h"

#include <iterator>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

// Spin, date and time, pocket, then one column per category.
constexpr int FixedColumns = 3;

} // namespace

HistoryModel::HistoryModel(AppContext& app, QObject* parent) : QAbstractTableModel(parent), m_app(app) {}

void HistoryModel::show(const Wheel& wheel, qint64 casino, const stats::SpinSpan& span, const QString& pocket)
{
    beginResetModel();
    m_wheel = &wheel;
    m_rows.clear();
    m_history = std::make_unique<stats::SpinHistory>(wheel, m_app.settingId, casino, span, pocket);
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_wheel ? 0 : FixedColumns + int(m_wheel->categories().size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const stats::HistoryRow& r = m_rows[size_t(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                   : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QLocale l;
    switch (index.column()) {
    case 0:
        return F::count(r.place, l);
    case 1:
        return F::stamp(r.now, l);
    case 2:
        return r.pocket;
    default:
        return F::betCell(*m_wheel, r.bets[size_t(index.column() - FixedColumns)], l);
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_wheel)
        return {};
    if (role == Qt::ToolTipRole && section >= FixedColumns)
        return tr("The advice judged at this spin, its stake and whether it won.");
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return tr("Spin");
    case 1:
        return tr("Date and time");
    case 2:
        return tr("Pocket");
    default:
        return m_wheel->categories()[size_t(section - FixedColumns)].shownCaption();
    }
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_history && !m_history->atEnd();
}

void HistoryModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    std::vector<stats::HistoryRow> page;
    bool read = m_app.ensureOpen();
    try {
        // A pocket's spins may lie far apart: read on until some are found.
        while (read && page.empty() && !m_history->atEnd())
            page = m_history->next(m_app.db(), PageRows);
    } catch (const DbError& e) {
        qCWarning(lcStats) << "a page of the history could not be read:" << e.what();
        read = false;
    }
    if (!read) {
        // Asking again would fail the same way while the view scrolls.
        m_history.reset();
        emit failed(StatsFetcher::failureText());
        return;
    }
    if (page.empty())
        return;
    beginInsertRows({}, rowCount(), rowCount() + int(page.size()) - 1);
    std::move(page.begin(), page.end(), std::back_inserter(m_rows));
    endInsertRows();
}

} // namespace spinledger
