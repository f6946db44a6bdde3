#pragma once

#include "stats/Figures.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTableView;

namespace spinledger {

class AppContext;
class HistoryModel;

// Every spin of the window, newest first, with the advice each one judged;
// a pocket chosen at the top lists only that pocket's spins.
// objectName "pageHistory".
class HistoryPanel : public QWidget
{
    Q_OBJECT
public:
    explicit HistoryPanel(AppContext& app, QWidget* parent = nullptr);

    // Lists the spins of the figures' window from the newest on.
    void showWindow(const stats::Figures& figures);
    HistoryModel* model() const { return m_model; }

signals:
    void failed(const QString& text);

private:
    void fillPockets(const Wheel& wheel);
    void list();

    HistoryModel* m_model = nullptr;
    QComboBox* m_pocket = nullptr;
    QLabel* m_note = nullptr;
    QTableView* m_table = nullptr;
    const Wheel* m_wheel = nullptr;
    qint64 m_casino = 0;
    stats::SpinSpan m_span;
};

} // namespace spinledger
