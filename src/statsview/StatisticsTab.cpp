#include "statsview/StatisticsTab.h"

#include "stats/FigureFormat.h"
#include "stats/Scorecard.h"
#include "stats/StatsLog.h"
#include "stats/StatsSettings.h"
#include "statsview/DoublingPanel.h"
#include "statsview/HistoryPanel.h"
#include "statsview/MoneyPanel.h"
#include "statsview/PocketPanel.h"
#include "statsview/ScorecardTable.h"
#include "statsview/StatsFetcher.h"
#include "statsview/WheelPanel.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "store/OleDate.h"
#include "ui/StatusSink.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

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
    return StatisticsTab::tr("%1 pockets (00 %2)")
        .arg(f.pockets)
        .arg(f.zeroZero ? StatisticsTab::tr("on") : StatisticsTab::tr("off"));
}

using Kind = stats::SpinWindow::Kind;

double stampOf(QDate day)
{
    return OleStamp::fromDateTime(QDateTime(day, QTime(0, 0))).now;
}

// "The last 100 spins (spins 901 to 1,000 of 1,000)".
QString windowHeading(const stats::Figures& f, const QLocale& l)
{
    QString text = F::windowText(f, l);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
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
    m_wheel->addItem(tr("38-pocket wheel"), QChar(u'R'));
    m_wheel->addItem(tr("Mini wheel"), QChar(u'M'));
    m_wheel->setToolTip(tr("The wheel whose history the figures come from."));
    connect(m_wheel, &QComboBox::activated, this, &StatisticsTab::wheelChosen);
    top->addWidget(m_wheel);
    m_casino = new QComboBox(this);
    m_casino->setObjectName(QStringLiteral("cmbStatsCasino"));
    m_casino->setMinimumWidth(160);
    m_casino->setToolTip(tr("The wheel's current casino; choosing another one here chooses it on the "
                            "board as well."));
    connect(m_casino, &QComboBox::activated, this, &StatisticsTab::casinoPicked);
    // The casino picked on a board, or settled by the casino list, is the
    // one offered here.
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
        connect(&m_app.currentCasino(*w), &CurrentCasino::changed, this, [this, w] {
            if (&wheel() == w)
                selectCurrentCasino();
        });
    }
    top->addWidget(m_casino);
    buildWindow(top);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblStatsSummary"));
    m_summary->setToolTip(tr("P, the pockets in play, follows the wheel's 00 switch as it is now."));
    // A line of its own: beside the window's boxes it would be cut short.
    column->addWidget(m_summary);
    top->addStretch(1);
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("barStatsBusy"));
    m_busy->setRange(0, 0);
    m_busy->setMaximumWidth(80);
    m_busy->setTextVisible(false);
    m_busy->setToolTip(tr("Reading the casino's history…"));
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

void StatisticsTab::buildWindow(QHBoxLayout* top)
{
    // Until a session is handed in, the session is what was played since now.
    const double start = OleStamp::fromDateTime(m_app.clock().now()).now;
    m_sessionStart = [start](QChar) { return std::optional<double>(start); };

    m_window = new QComboBox(this);
    m_window->setObjectName(QStringLiteral("cmbStatsWindow"));
    const std::pair<const char*, Kind> kinds[] = {{QT_TR_NOOP("All spins"), Kind::All},
                                                  {QT_TR_NOOP("Last spins"), Kind::Last},
                                                  {QT_TR_NOOP("This session"), Kind::Session},
                                                  {QT_TR_NOOP("Dates"), Kind::Dates}};
    for (const auto& [text, kind] : kinds)
        m_window->addItem(tr(text), int(kind));
    m_window->setToolTip(tr("Which spins every figure, chart and the history are of."));
    top->addWidget(m_window);
    m_last = new QSpinBox(this);
    m_last->setObjectName(QStringLiteral("spnStatsLast"));
    m_last->setRange(1, 100'000'000);
    m_last->setValue(100);
    m_last->setGroupSeparatorShown(true);
    m_last->setToolTip(tr("How many of the newest spins."));
    top->addWidget(m_last);
    const QDate today = m_app.clock().now().date();
    for (auto [edit, name, tip, day] :
         {std::tuple{&m_from, "dateStatsFrom", QT_TR_NOOP("The first day of the spins shown."),
                     today.addDays(-7)},
          std::tuple{&m_until, "dateStatsUntil",
                     QT_TR_NOOP("The last day of the spins shown, the whole day."), today}}) {
        *edit = new QDateEdit(day, this);
        (*edit)->setObjectName(QString::fromLatin1(name));
        (*edit)->setCalendarPopup(true);
        (*edit)->setToolTip(tr(tip));
        top->addWidget(*edit);
        connect(*edit, &QDateEdit::editingFinished, this, &StatisticsTab::refresh);
    }
    connect(m_window, &QComboBox::activated, this, &StatisticsTab::windowChosen);
    connect(m_last, &QSpinBox::editingFinished, this, &StatisticsTab::refresh);
    windowChosen();
}

void StatisticsTab::windowChosen()
{
    const auto kind = Kind(m_window->currentData().toInt());
    m_last->setVisible(kind == Kind::Last);
    m_from->setVisible(kind == Kind::Dates);
    m_until->setVisible(kind == Kind::Dates);
    refresh();
}

void StatisticsTab::setSessionStart(SessionStart sessionStart)
{
    m_sessionStart = std::move(sessionStart);
    refresh();
}

stats::SpinWindow StatisticsTab::spinWindow() const
{
    switch (Kind(m_window->currentData().toInt())) {
    case Kind::All:
        break;
    case Kind::Last:
        return stats::SpinWindow::newest(m_last->value());
    case Kind::Session:
        // No session under way: none of the spins is of it.
        return stats::SpinWindow::session(
            m_sessionStart(wheel().letter()).value_or(std::numeric_limits<double>::max()));
    case Kind::Dates:
        return stats::SpinWindow::dates(stampOf(m_from->date()), stampOf(m_until->date().addDays(1)));
    }
    return {};
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
    m_pages->addTab(advice, tr("Advice vs chance"));

    m_pockets = new PocketPanel;
    m_pages->addTab(m_pockets, tr("Pockets"));
    m_wheelPage = new WheelPanel;
    m_pages->addTab(m_wheelPage, tr("Wheel"));
    m_money = new MoneyPanel;
    m_pages->addTab(m_money, tr("Money"));
    m_doubling = new DoublingPanel;
    m_pages->addTab(m_doubling, tr("Doubling"));
    m_history = new HistoryPanel(m_app);
    m_pages->addTab(m_history, tr("History"));
    connect(m_doubling, &DoublingPanel::inputsEdited, this, &StatisticsTab::storeInputs);
    connect(m_money, &MoneyPanel::tableMaxTyped, this, [this](const QString& text) {
        m_doubling->setTableMaxText(text);
        storeInputs();
    });
    connect(m_history, &HistoryPanel::failed, this,
            [this](const QString& text) { m_status.setStatus(text); });
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
    if (id != m_app.currentCasino(wheel()).id())
        emit casinoChosen(wheel().letter(), id);
    refresh();
}

void StatisticsTab::selectCurrentCasino()
{
    const qint64 current = m_app.currentCasino(wheel()).id();
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
        showEmpty(
            tr("Choose a casino for the %1 on the %2 tab.").arg(F::wheelName(w.letter()), w.boardName()));
        return;
    }
    StatsFetcher::Query q;
    q.databasePath = m_app.connString;
    q.key = m_app.key;
    q.settingId = m_app.settingId;
    q.wheel = w.letter();
    q.casino = m_casino->currentData().toLongLong();
    q.casinoName = m_casino->currentText();
    q.window = spinWindow();
    m_fetcher->fetch(q);
    m_busyTimer->start();
}

void StatisticsTab::releaseDatabase()
{
    m_fetcher->release();
}

void StatisticsTab::showFigures(const stats::Figures& f)
{
    m_busyTimer->stop();
    m_busy->hide();
    m_figures = std::make_unique<stats::Figures>(f);
    const QLocale l;
    if (f.empty() && f.span.total > 0) {
        m_summary->setText(windowHeading(f, l) + QStringLiteral(" · ") + pockets(f));
        m_doubling->showFigures(f);
        showEmpty(tr("None of the %1 spins at %2 is of %3.\n\nChoose another window at the top.")
                      .arg(F::count(f.span.total, l), f.casinoName, F::windowText(f, l)));
        return;
    }
    if (f.empty()) {
        m_summary->setText(pockets(f));
        m_doubling->showFigures(f);
        showEmpty(tr("No spins recorded at %1 on the %2 yet.\n\nPlay on the %3 tab: from the first "
                     "judged advice on, this page shows whether the advice beats chance, whether the "
                     "wheel looks biased, what following the advice would have won or lost, and what "
                     "doubling risks.")
                      .arg(f.casinoName, F::wheelName(f.wheel), Wheel::byLetter(f.wheel)->boardName()));
        return;
    }
    m_summary->setText(
        tr("%1 · %2 spins · %3 judged · %4")
            .arg(windowHeading(f, l), F::count(f.spins, l), F::count(f.judged, l), pockets(f)));
    m_summary->setToolTip(F::pocketsInPlay(f) + tr(": P follows the wheel's 00 switch as it is now."));
    m_scorecard->showFigures(f);
    m_scorecardNote->setText(
        tr("Chance and break-even are for %1 pockets. p is corrected for judging %2 categories at once; "
           "a verdict needs at least %3 judged advices. Past hits do not make the wheel predictable.")
            .arg(f.pockets)
            .arg(f.scorecard.size())
            .arg(stats::Scorecard::MinJudged));
    m_pockets->showFigures(f);
    m_wheelPage->showFigures(f);
    m_money->showFigures(f);
    m_doubling->showFigures(f);
    m_history->showWindow(f);
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
    showEmpty(tr("The statistics cannot be read right now."));
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
    } catch (const DbError& e) {
        qCWarning(lcStats) << "the statistics' settings could not be saved:" << e.what();
        m_status.setStatus(StatsFetcher::failureText());
        return;
    }
    m_status.setStatus(texts::Idle());
    refresh();
}

} // namespace spinledger
