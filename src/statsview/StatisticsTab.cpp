#include "statsview/StatisticsTab.h"

#include "stats/FigureFormat.h"
#include "stats/Scorecard.h"
#include "stats/StatsSettings.h"
#include "statsview/DoublingPanel.h"
#include "statsview/MoneyPanel.h"
#include "statsview/PocketPanel.h"
#include "statsview/ScorecardTable.h"
#include "statsview/StatsFetcher.h"
#include "statsview/WheelPanel.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "ui/StatusSink.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

const Wheel& wheelAt(int index)
{
    return index == 1 ? Wheel::m() : Wheel::r();
}

// P in a few words: "37 pockets (00 off)".
QString pockets(const stats::Figures& f)
{
    return QStringLiteral("%1 pockets (00 %2)")
        .arg(f.pockets)
        .arg(f.zeroZero ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace

StatisticsTab::StatisticsTab(AppContext& app, StatusSink& status, QWidget* parent)
    : QWidget(parent), m_app(app), m_status(status), m_fetcher(new StatsFetcher(this))
{
    setObjectName(QStringLiteral("tabStatistics"));
    buildTop();
    buildPages();
    connect(m_fetcher, &StatsFetcher::fetched, this, &StatisticsTab::showFigures);
    connect(m_fetcher, &StatsFetcher::failed, this, &StatisticsTab::showFailure);
}

StatisticsTab::~StatisticsTab() = default;

void StatisticsTab::buildTop()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    auto* top = new QHBoxLayout;
    column->addLayout(top);
    m_wheel = new QComboBox(this);
    m_wheel->setObjectName(QStringLiteral("cmbStatsWheel"));
    m_wheel->addItem(QStringLiteral("38-pocket wheel"), QChar(u'R'));
    m_wheel->addItem(QStringLiteral("Mini wheel"), QChar(u'M'));
    m_wheel->setToolTip(QStringLiteral("The wheel whose history the figures come from."));
    connect(m_wheel, &QComboBox::activated, this, &StatisticsTab::wheelChosen);
    top->addWidget(m_wheel);
    m_casino = new QComboBox(this);
    m_casino->setObjectName(QStringLiteral("cmbStatsCasino"));
    m_casino->setMinimumWidth(160);
    m_casino->setToolTip(
        QStringLiteral("The wheel's current casino; choosing another one here chooses it on the "
                       "board as well."));
    connect(m_casino, &QComboBox::activated, this, &StatisticsTab::casinoPicked);
    top->addWidget(m_casino);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblStatsSummary"));
    m_summary->setToolTip(
        QStringLiteral("P, the pockets in play, follows the wheel's 00 switch as it is now."));
    top->addWidget(m_summary, 1);
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("barStatsBusy"));
    m_busy->setRange(0, 0);
    m_busy->setMaximumWidth(80);
    m_busy->setTextVisible(false);
    m_busy->setToolTip(QStringLiteral("Reading the casino's history…"));
    m_busy->hide();
    top->addWidget(m_busy);
    m_busyTimer = new QTimer(this);
    m_busyTimer->setSingleShot(true);
    m_busyTimer->setInterval(BusyAfterMs);
    connect(m_busyTimer, &QTimer::timeout, this, [this] { m_busy->setVisible(m_fetcher->busy()); });

    m_stack = new QStackedWidget(this);
    column->addWidget(m_stack, 1);
    m_empty = new QLabel(this);
    m_empty->setObjectName(QStringLiteral("lblStatsEmpty"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setMargin(24);
    m_stack->addWidget(m_empty);
}

void StatisticsTab::buildPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("tabsStats"));
    m_pages->setDocumentMode(true);
    m_stack->addWidget(m_pages);

    auto* advice = new QWidget;
    advice->setObjectName(QStringLiteral("pageAdvice"));
    auto* column = new QVBoxLayout(advice);
    column->setContentsMargins(4, 4, 4, 4);
    m_scorecard = new ScorecardTable(advice);
    column->addWidget(m_scorecard, 1);
    m_scorecardNote = new QLabel(advice);
    m_scorecardNote->setObjectName(QStringLiteral("lblScorecardNote"));
    m_scorecardNote->setWordWrap(true);
    column->addWidget(m_scorecardNote);
    m_pages->addTab(advice, QStringLiteral("Advice vs chance"));

    m_pockets = new PocketPanel;
    m_pages->addTab(m_pockets, QStringLiteral("Pockets"));
    m_wheelPage = new WheelPanel;
    m_pages->addTab(m_wheelPage, tr("Wheel"));
    m_money = new MoneyPanel;
    m_pages->addTab(m_money, QStringLiteral("Money"));
    m_doubling = new DoublingPanel;
    m_pages->addTab(m_doubling, QStringLiteral("Doubling"));
    connect(m_doubling, &DoublingPanel::inputsEdited, this, &StatisticsTab::storeInputs);
}

void StatisticsTab::setCasinoModel(const Wheel& wheel, QAbstractItemModel* model)
{
    m_models[wheel.letter() == u'M' ? 1 : 0] = model;
    if (&wheel == &this->wheel())
        m_casino->setModel(model);
}

const Wheel& StatisticsTab::wheel() const
{
    return wheelAt(m_wheel->currentIndex());
}

const stats::Figures* StatisticsTab::figures() const
{
    return m_figures.get();
}

void StatisticsTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void StatisticsTab::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Charts and marked cells keep the colours they were drawn in: drawn
    // anew once every page has its new palette.
    if (event->type() == QEvent::PaletteChange)
        QMetaObject::invokeMethod(this, &StatisticsTab::refresh, Qt::QueuedConnection);
}

void StatisticsTab::setWheel(const Wheel& wheel)
{
    m_wheel->setCurrentIndex(wheel.letter() == u'M' ? 1 : 0);
    wheelChosen();
}

void StatisticsTab::wheelChosen()
{
    if (QAbstractItemModel* model = m_models[m_wheel->currentIndex()])
        m_casino->setModel(model);
    refresh();
}

void StatisticsTab::casinoPicked(int index)
{
    if (index < 0)
        return;
    const qint64 id = m_casino->itemData(index).toLongLong();
    if (id != m_app.currentCmb(wheel()))
        emit casinoChosen(wheel().letter(), id);
    refresh();
}

void StatisticsTab::selectCurrentCasino()
{
    const qint64 current = m_app.currentCmb(wheel());
    for (int i = 0; i < m_casino->count(); ++i) {
        if (m_casino->itemData(i).toLongLong() == current) {
            m_casino->setCurrentIndex(i);
            return;
        }
    }
    m_casino->setCurrentIndex(-1);
}

void StatisticsTab::refresh()
{
    if (!isVisible())
        return;
    selectCurrentCasino();
    const Wheel& w = wheel();
    if (m_casino->currentIndex() < 0) {
        m_fetcher->cancel();
        showEmpty(QStringLiteral("Choose a casino for the %1 on the %2 tab.")
                      .arg(F::wheelName(w.letter()), w.boardName()));
        return;
    }
    StatsFetcher::Query q;
    q.databasePath = m_app.connString;
    q.settingId = m_app.settingId;
    q.wheel = w.letter();
    q.casino = m_casino->currentData().toLongLong();
    q.casinoName = m_casino->currentText();
    m_fetcher->fetch(q);
    m_busyTimer->start();
}

void StatisticsTab::showFigures(const stats::Figures& f)
{
    m_busyTimer->stop();
    m_busy->hide();
    m_figures = std::make_unique<stats::Figures>(f);
    const QLocale l;
    if (f.empty()) {
        m_summary->setText(pockets(f));
        m_doubling->showFigures(f);
        showEmpty(
            QStringLiteral("No spins recorded at %1 on the %2 yet.\n\nPlay on the %3 tab: from the first "
                           "judged advice on, this page shows whether the advice beats chance, whether the "
                           "wheel looks biased, what following the advice would have won or lost, and what "
                           "doubling risks.")
                .arg(f.casinoName, F::wheelName(f.wheel), Wheel::byLetter(f.wheel)->boardName()));
        return;
    }
    m_summary->setText(QStringLiteral("%1 spins · %2 judged · %3")
                           .arg(F::count(f.spins, l), F::count(f.judged, l), pockets(f)));
    m_summary->setToolTip(F::pocketsInPlay(f) +
                          QStringLiteral(": P follows the wheel's 00 switch as it is now."));
    m_scorecard->showFigures(f);
    m_scorecardNote->setText(
        QStringLiteral(
            "Chance and break-even are for %1 pockets. p is corrected for judging %2 categories at once; "
            "a verdict needs at least %3 judged advices. Past hits do not make the wheel predictable.")
            .arg(f.pockets)
            .arg(f.scorecard.size())
            .arg(stats::Scorecard::MinJudged));
    m_pockets->showFigures(f);
    m_wheelPage->showFigures(f);
    m_money->showFigures(f);
    m_doubling->showFigures(f);
    m_stack->setCurrentWidget(m_pages);
    emit updated();
}

void StatisticsTab::showEmpty(const QString& text)
{
    m_busyTimer->stop();
    m_busy->hide();
    m_empty->setText(text);
    m_stack->setCurrentWidget(m_empty);
    emit updated();
}

void StatisticsTab::showFailure(const QString& text)
{
    m_status.setStatus(text);
    showEmpty(QStringLiteral("The statistics cannot be read right now."));
}

void StatisticsTab::storeInputs()
{
    const Result<stats::DoublingInputs> typed = m_doubling->typedInputs();
    if (!typed) {
        m_status.setStatus(typed.status());
        return;
    }
    if (m_figures && m_figures->wheel == wheel().letter()) {
        const stats::DoublingInputs& before = m_figures->doublingInputs;
        if (before.tableMax == typed->tableMax && before.bankroll == typed->bankroll &&
            before.series == typed->series)
            return;
    }
    if (!m_app.ensureOpen()) {
        m_status.setStatus(StatsFetcher::failureText());
        return;
    }
    try {
        stats::StatsSettings::save(m_app.db(), m_app.settingId, wheel(), *typed);
    } catch (const DbError&) {
        m_status.setStatus(StatsFetcher::failureText());
        return;
    }
    m_status.setStatus(texts::Idle);
    refresh();
}

} // namespace spinledger
