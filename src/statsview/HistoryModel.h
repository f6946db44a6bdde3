#pragma once

#include "stats/SpinHistory.h"

#include <QAbstractTableModel>

#include <memory>

namespace spinledger {

class AppContext;

// The spins of a window, newest first, read from the database a page at a
// time as the view scrolls towards the end of what it holds.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Rows read per page.
    static constexpr int PageRows = 200;

    explicit HistoryModel(AppContext& app, QObject* parent = nullptr);

    // Lists the window's spins of the casino from the start, only those of
    // the pocket when one is given.
    void show(const Wheel& wheel, qint64 casino, const stats::SpinSpan& span, const QString& pocket);
    const stats::HistoryRow& row(int index) const { return m_rows[size_t(index)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // A page could not be read; the list ends where it is.
    void failed(const QString& text);

private:
    AppContext& m_app;
    const Wheel* m_wheel = nullptr;
    std::unique_ptr<stats::SpinHistory> m_history;
    std::vector<stats::HistoryRow> m_rows;
};

} // namespace spinledger
