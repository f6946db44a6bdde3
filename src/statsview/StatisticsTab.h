#pragma once

#include "stats/Figures.h"

#include <QWidget>

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QTabWidget;
class QTimer;

namespace spinledger {

class AppContext;
class DoublingPanel;
class MoneyPanel;
class PocketPanel;
class ScorecardTable;
class StatsFetcher;
class StatusSink;
class WheelPanel;
class Wheel;

// The Statistics tab: for the wheel and its current casino chosen at the top,
// does the advice beat chance, is the wheel biased, what following the
// advice won or lost, and what doubling risks. The figures are computed on a
// thread of their own; a busy bar shows when that takes longer than a blink.
// objectName "tabStatistics".
class StatisticsTab : public QWidget
{
    Q_OBJECT
public:
    // Time before the busy bar shows.
    static constexpr int BusyAfterMs = 200;

    StatisticsTab(AppContext& app, StatusSink& status, QWidget* parent = nullptr);
    ~StatisticsTab() override;

    // The casino list of a wheel, as its board's combo holds it (name, id).
    void setCasinoModel(const Wheel& wheel, QAbstractItemModel* model);
    const Wheel& wheel() const;
    // Shows this wheel's figures from now on, as if chosen at the top.
    void setWheel(const Wheel& wheel);

    // Computes the figures again while the tab is shown; a hidden tab
    // computes them when it is shown.
    void refresh();

    // The figures last shown (none before the first answer).
    const stats::Figures* figures() const;

signals:
    // The player chose another casino for the wheel here.
    void casinoChosen(QChar wheel, qint64 casino);
    // New figures or a note in their place are on show.
    void updated();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildTop();
    void buildPages();
    void wheelChosen();
    void casinoPicked(int index);
    void selectCurrentCasino();
    void showFigures(const stats::Figures& figures);
    void showFailure(const QString& text);
    void showEmpty(const QString& text);
    void storeInputs();

    AppContext& m_app;
    StatusSink& m_status;
    StatsFetcher* m_fetcher = nullptr;
    QAbstractItemModel* m_models[2] = {nullptr, nullptr};
    std::unique_ptr<stats::Figures> m_figures;

    QComboBox* m_wheel = nullptr;
    QComboBox* m_casino = nullptr;
    QLabel* m_summary = nullptr;
    QProgressBar* m_busy = nullptr;
    QTimer* m_busyTimer = nullptr;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_empty = nullptr;
    QTabWidget* m_pages = nullptr;
    ScorecardTable* m_scorecard = nullptr;
    QLabel* m_scorecardNote = nullptr;
    PocketPanel* m_pockets = nullptr;
    WheelPanel* m_wheelPage = nullptr;
    MoneyPanel* m_money = nullptr;
    DoublingPanel* m_doubling = nullptr;
};

} // namespace spinledger
