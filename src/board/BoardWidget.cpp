#include "board/BoardWidget.h"

#include "board/AmountText.h"
#include "board/AmountValidator.h"
#include "board/BoardCell.h"
#include "board/BoardFrame.h"
#include "board/BoardGeometry.h"
#include "board/BoardLog.h"
#include "board/BoardScaler.h"
#include "board/CellGrid.h"
#include "board/CoinLabels.h"
#include "board/Drawing.h"
#include "board/FocusRing.h"
#include "board/HistoryView.h"
#include "board/PocketEntry.h"
#include "board/SessionLine.h"
#include "board/SleeperMarks.h"
#include "board/WinRatioLabel.h"
#include "engine/SpinEngine.h"
#include "session/SessionFigures.h"
#include "session/SessionStore.h"
#include "session/TableLimits.h"
#include "stats/Odds.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "ui/StatusSink.h"
#include "ui/WindowLock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include <utility>

namespace spinledger {

namespace {

const QColor AmountNeeded(255, 226, 120);
// Below the amount and casino frames.
const QRect StakeHintPlace(102, 384, 406, 20);

// Marks an operation as running for as long as it lives.
class BusyScope
{
public:
    explicit BusyScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~BusyScope() { m_flag = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_flag;
};

QGroupBox* frame(const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* box = new BoardFrame(caption, parent);
    box->setGeometry(geometry);
    return box;
}

// Keeps the first failure of a sequence of steps.
void keepFirst(Status& first, const Status& next)
{
    if (first.ok && !next.ok)
        first = next;
}

} // namespace

BoardWidget::BoardWidget(AppContext& app, SpinEngine& engine, const Wheel& wheel, StatusSink& status,
                         QWidget* parent)
    : QWidget(parent), m_app(app), m_engine(engine), m_wheel(wheel), m_status(status), m_settings(app),
      m_casino(app.currentCasino(wheel))
{
    setObjectName(QStringLiteral("board") + wheel.letter());
    m_scaler = std::make_unique<BoardScaler>(this, BoardGeometry::pageSize());
    setMinimumSize(m_scaler->minimumSize());
    resize(BoardGeometry::pageSize());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, drawing::Felt);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);

    m_grid = std::make_unique<CellGrid>(wheel, this, [this] { return zeroZeroOn(); });
    buildCategoryFrames();
    buildZeroZeroFrame();
    buildAmountFrame();
    buildCasinoFrame();
    buildUndoButton();
    m_history = new HistoryView(wheel, this);
    m_history->setGeometry(BoardGeometry::playedFrame());
    m_coins = std::make_unique<CoinLabels>(wheel, this, *m_scaler);
    m_keys = new PocketEntry(
        wheel, status, [this] { return zeroZeroOn(); },
        [this](const QString& label) { playPocket(m_wheel.cellPrefix() + label); }, this);
    m_keys->setGeometry(BoardGeometry::keysFrame());
    m_session = new SessionLine(wheel, this);
    connect(m_session, &SessionLine::newSessionAsked, this, &BoardWidget::newSession);
    m_sleepers = std::make_unique<SleeperMarks>(wheel, *m_grid);
    // The 00 cell takes clicks only while the 00 pocket is played.
    m_grid->cell(wheel.zeroZeroCell())->setEnabled(false);
    connectCells();
    m_engine.setLongWorkNotice([this] { m_status.setStatus(tr("Recounting the casino's history"), true); });
    // Everything placed so far is the design; the played frame places its
    // chips itself, the session line its label and button.
    m_scaler->adopt(this, {m_history, m_session});
    m_focusRing = new FocusRing(this);
    connect(&m_casino, &CurrentCasino::changed, this, &BoardWidget::followCasino);
}

void BoardWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scaler->fit();
    scaleCheckMarks();
    m_focusRing->follow();
}

BoardWidget::~BoardWidget()
{
    // Closing takes the focus from the amount field while the board is half
    // destroyed; its editingFinished must not reach confirmAmount then.
    if (m_amount)
        disconnect(m_amount, nullptr, this, nullptr);
}

// The style draws check boxes at a fixed size; they grow with the board as
// the letters beside them do.
void BoardWidget::scaleCheckMarks()
{
    const int design = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_zeroZero);
    const int size = qRound(design * m_scaler->scale());
    if (size == m_checkMarkSize)
        return;
    m_checkMarkSize = size;
    const QString sheet =
        size == design ? QString()
                       : QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(size);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setStyleSheet(sheet);
}

namespace {

// The frames' titles with their Alt keys: the caption's first letter in
// English; a translation picks another where that letter opens a menu.
const char* const FrameTitles[] = {
    QT_TRANSLATE_NOOP("spinledger::BoardWidget", "&Numbers"),
    QT_TRANSLATE_NOOP("spinledger::BoardWidget", "&Black/Red"),
    QT_TRANSLATE_NOOP("spinledger::BoardWidget", "&Even/Odd"),
    QT_TRANSLATE_NOOP("spinledger::BoardWidget", "&Low/High"),
    QT_TRANSLATE_NOOP("spinledger::BoardWidget", "&Dozens"),
    QT_TRANSLATE_NOOP("spinledger::BoardWidget", "&2TO1"),
};

QString frameTitle(const Category& c)
{
    const QString title = u'&' + c.caption;
    for (const char* known : FrameTitles) {
        if (title == QLatin1String(known))
            return BoardWidget::tr(known);
    }
    return u'&' + c.shownCaption();
}

} // namespace

void BoardWidget::buildCategoryFrames()
{
    int position = 0;
    for (const Category& c : m_wheel.categories()) {
        // Alt and the frame's marked letter reach the Play box.
        QGroupBox* box = frame(frameTitle(c), BoardGeometry::categoryFrame(position++), this);
        auto* check = new QCheckBox(tr("Play"), box);
        check->setObjectName(m_wheel.checkBox(c.id));
        check->setToolTip(tr("Display %1").arg(c.shownCaption()));
        check->setGeometry(8, 17, 76, 18);
        const QString tip = m_wheel.letter() == u'R' ? tr("Win Ratio (%)") : QString();
        auto* ratio = new WinRatioLabel(m_wheel.ratioLabel(c.id), tip, box);
        ratio->setGeometry(8, 38, 74, 18);
        m_categoryBoxes[idx(c.id)] = check;
        m_ratios[idx(c.id)] = ratio;
        const CategoryId id = c.id;
        connect(check, &QCheckBox::toggled, this, [this, id] { categoryToggled(id); });
    }
}

void BoardWidget::buildZeroZeroFrame()
{
    QGroupBox* box = frame(QStringLiteral("&00"), BoardGeometry::zeroZeroFrame(), this);
    m_zeroZero = new QCheckBox(tr("Enable"), box);
    m_zeroZero->setObjectName(m_wheel.zeroSwitch());
    m_zeroZero->setToolTip(m_wheel.letter() == u'R' ? tr("Enable 00 Roulette")
                                                    : tr("Enable 00 Miniroulette"));
    m_zeroZero->setGeometry(8, 26, 76, 22);
    connect(m_zeroZero, &QCheckBox::toggled, this, &BoardWidget::zeroZeroToggled);
}

void BoardWidget::buildAmountFrame()
{
    QGroupBox* box = frame(tr("&Amount"), BoardGeometry::amountFrame(), this);
    m_amount = new QLineEdit(box);
    m_amount->setObjectName(m_wheel.amountSetting());
    m_amount->setToolTip(tr("Amount/Coins you bet"));
    m_amount->setGeometry(8, 24, 56, 26);
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_stakeHint = new QLabel(StakeHint(), this);
    m_stakeHint->setObjectName(QStringLiteral("lbl") + m_wheel.letter() + QStringLiteral("StakeHint"));
    m_stakeHint->setGeometry(StakeHintPlace);
    QFont bold = m_stakeHint->font();
    bold.setBold(true);
    m_stakeHint->setFont(bold);
    m_stakeHint->hide();
    m_restake = new QPushButton(tr("&Reset"), box);
    m_restake->setObjectName(QStringLiteral("btnAmountReset") + m_wheel.letter());
    m_restake->setGeometry(72, 23, 70, 28);
    m_amount->setValidator(new AmountValidator([this](const QString& why) { amountRefused(why); },
                                               [this] { return m_amountShown; }, m_amount));
    connect(m_amount, &QLineEdit::textEdited, this, &BoardWidget::amountEdited);
    connect(m_amount, &QLineEdit::returnPressed, this, &BoardWidget::amountEntered);
    connect(m_amount, &QLineEdit::editingFinished, this, &BoardWidget::confirmAmount);
    connect(m_restake, &QPushButton::clicked, this, &BoardWidget::restakeAdvice);
}

void BoardWidget::buildCasinoFrame()
{
    QGroupBox* box = frame(tr("&Casino"), BoardGeometry::casinoFrame(), this);
    m_combo = new QComboBox(box);
    m_combo->setObjectName(m_wheel.casinoSetting());
    m_combo->setGeometry(8, 24, BoardGeometry::casinoFrame().width() - 16, 26);
    connect(m_combo, &QComboBox::activated, this, &BoardWidget::casinoChosen);
}

void BoardWidget::buildUndoButton()
{
    m_undo = new QPushButton(tr("&UNDO"), this);
    m_undo->setObjectName(QStringLiteral("btnUndo") + m_wheel.letter());
    m_undo->setGeometry(BoardGeometry::undoButton());
    QFont f = m_undo->font();
    f.setBold(true);
    m_undo->setFont(f);
    connect(m_undo, &QPushButton::clicked, this, &BoardWidget::undoSpin);
    // Ctrl+Z wherever the focus is on the board; the amount box keeps its own.
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, m_undo, &QPushButton::click);
}

void BoardWidget::connectCells()
{
    for (BoardCell* cell : m_grid->cells()) {
        if (!cell->isPocket())
            continue;
        connect(cell, &BoardCell::hovered, this, [this](const QString& name) { m_grid->hoverCells(name); });
        connect(cell, &BoardCell::pressed, this, [this](const QString& name) { m_grid->press(name); });
        connect(cell, &BoardCell::clicked, this, &BoardWidget::playPocket);
    }
}

const Wheel& BoardWidget::wheel() const
{
    return m_wheel;
}

QStringList BoardWidget::cellStates() const
{
    return m_grid->entries();
}

bool BoardWidget::zeroZeroOn() const
{
    return m_zeroZero && m_zeroZero->isChecked();
}

PerCategory<bool> BoardWidget::played() const
{
    PerCategory<bool> on{};
    for (int i = 0; i < CategoryCount; ++i)
        on[i] = m_categoryBoxes[i] && m_categoryBoxes[i]->isChecked();
    return on;
}

void BoardWidget::initCells()
{
    m_grid->resetCells();
}

void BoardWidget::loadSettings()
{
    if (const std::optional<qint64> casino = showStoredSettings())
        m_casino.adopt(*casino);
}

std::optional<qint64> BoardWidget::showStoredSettings()
{
    const Result<WheelSettings> s = m_settings.wheelSettings(m_wheel);
    if (!s) {
        m_status.setStatus(s.status());
        return std::nullopt;
    }
    {
        // Shown as stored, not written back: every caller draws the board
        // after this, and a start that holds the writes could not write.
        const QSignalBlocker quiet(m_zeroZero);
        m_zeroZero->setChecked(s->zeroZeroEnabled);
        for (const Category& c : m_wheel.categories()) {
            const QSignalBlocker quietBox(m_categoryBoxes[idx(c.id)]);
            m_categoryBoxes[idx(c.id)]->setChecked(s->played[idx(c.id)]);
        }
    }
    showZeroZero(s->zeroZeroEnabled);
    showStoredAmount(s->amountText);
    return s->casino;
}

int BoardWidget::indexOf(qint64 casinoId) const
{
    for (int i = 0; i < m_combo->count(); ++i) {
        if (m_combo->itemData(i).toLongLong() == casinoId)
            return i;
    }
    return -1;
}

void BoardWidget::setCasinos(const Casinos& casinos, qint64 selected)
{
    {
        const QSignalBlocker quiet(m_combo);
        m_combo->clear();
        for (const Casino& c : casinos)
            m_combo->addItem(c.name, QVariant::fromValue<qint64>(c.id));
        m_combo->setCurrentIndex(indexOf(selected));
    }
    // A new list of the casino already drawn changes nothing the board shows.
    if (m_combo->currentIndex() >= 0 && !m_busy && selected != m_drawnCasino)
        showCasino(selected);
}

void BoardWidget::followCasino(qint64 casino)
{
    {
        const QSignalBlocker quiet(m_combo);
        m_combo->setCurrentIndex(indexOf(casino));
    }
    if (m_combo->currentIndex() >= 0 && !m_busy)
        showCasino(casino);
}

QAbstractItemModel* BoardWidget::casinoModel() const
{
    return m_combo->model();
}

QString BoardWidget::casinoName() const
{
    return m_combo->currentIndex() < 0 ? QString() : m_combo->currentText();
}

void BoardWidget::chooseCasino(qint64 casinoId)
{
    const int index = indexOf(casinoId);
    if (index < 0)
        return;
    m_combo->setCurrentIndex(index);
    casinoChosen(index);
}

void BoardWidget::drawAll()
{
    const BoardState state = m_engine.state(m_casino.id());
    Status drawn = state.status;
    keepFirst(drawn, draw(state));
    if (!drawn.ok)
        m_status.setStatus(drawn.text);
    else if (!notices().isEmpty())
        m_status.setStatus(notices());
}

void BoardWidget::showStored()
{
    if (m_busy)
        return;
    const std::optional<qint64> casino = showStoredSettings();
    if (!casino)
        return;
    // A casino that moved is drawn as the board follows it; the same one,
    // or one the combo does not list, is drawn here.
    if (m_casino.adopt(*casino) && indexOf(*casino) >= 0)
        return;
    {
        const QSignalBlocker quiet(m_combo);
        m_combo->setCurrentIndex(indexOf(*casino));
    }
    showCasino(*casino);
}

void BoardWidget::hoverNone()
{
    m_grid->hoverCells(QStringLiteral("none"));
}

void BoardWidget::finish(const Status& outcome)
{
    const QString notice = notices();
    m_status.setStatus(!outcome.ok ? outcome.text : notice.isEmpty() ? texts::Idle() : notice);
}

QString BoardWidget::notices() const
{
    QStringList said;
    for (const QString& n : {m_stakeNotice, m_limitNotice}) {
        if (!n.isEmpty())
            said << n;
    }
    return said.join(QStringLiteral(" – "));
}

// --- user actions -----------------------------------------------------------

void BoardWidget::playPocket(const QString& cellName)
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    WindowLock lock(this);
    const QString label = m_wheel.cellSuffix(cellName);
    m_status.setStatus(texts::analyze(label));
    if (m_combo->currentIndex() < 0) {
        m_status.setStatus(texts::SelectCasino());
        m_grid->hoverCells(QStringLiteral("none"));
        return;
    }
    m_grid->resetCells();
    const SpinOutcome outcome = m_engine.play(m_casino.id(), label);
    if (!outcome.status.ok) {
        // Nothing was written: the advice that stood still stands, and the
        // board shows it again; the status line keeps why the spin failed.
        draw(outcome);
        m_grid->hoverCells(QStringLiteral("none"));
        m_status.setStatus(outcome.status.text);
        return;
    }
    Status drawn = outcome.status;
    keepFirst(drawn, draw(outcome));
    m_grid->hoverCells(QStringLiteral("none"));
    finish(drawn);
    if (drawn.ok && amountInForce() <= 0)
        m_status.setStatus(RecordedNoStake());
    emit historyChanged();
}

void BoardWidget::undoSpin()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    WindowLock lock(this);
    m_status.setStatus(texts::PleaseWait());
    m_grid->resetCells();
    const UndoOutcome undone = m_engine.undo(m_casino.id());
    // Redrawn either way: the board shows what the database holds.
    Status outcome = undone.status;
    keepFirst(outcome, draw(undone));
    finish(outcome);
    emit historyChanged();
}

void BoardWidget::restakeAdvice()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    WindowLock lock(this);
    m_status.setStatus(texts::PleaseWait());
    const RestakeOutcome restaked = m_engine.restake(m_casino.id());
    Status outcome = restaked.status;
    keepFirst(outcome, draw(restaked));
    finish(outcome);
    emit historyChanged();
}

void BoardWidget::casinoChosen(int index)
{
    if (m_busy || index < 0)
        return;
    const qint64 id = m_combo->itemData(index).toLongLong();
    const bool moves = id != m_casino.id();
    const Status stored = m_casino.choose(id);
    if (!stored.ok) {
        // The combo goes back to the casino the board still shows.
        const QSignalBlocker quiet(m_combo);
        m_combo->setCurrentIndex(indexOf(m_casino.id()));
        m_status.setStatus(stored.text);
        return;
    }
    // A move is drawn as the board follows it; the same casino again is
    // drawn anew.
    if (!moves)
        showCasino(id);
}

void BoardWidget::showCasino(qint64 casino)
{
    BusyScope busy(m_busy);
    m_status.setStatus(texts::PleaseWait());
    WindowLock lock(this);
    m_grid->setCellStates(m_wheel.cellNames(), CellState::Off);
    m_drawnCasino = casino;
    const BoardState state = m_engine.state(casino);
    Status drawn = state.status;
    keepFirst(drawn, draw(state));
    finish(drawn);
    emit historyChanged();
}

void BoardWidget::categoryToggled(CategoryId category)
{
    WindowLock lock(this);
    Status outcome = m_settings.setPlayed(m_wheel, category, m_categoryBoxes[idx(category)]->isChecked());
    const BoardState state = outcome.ok ? m_engine.state(m_casino.id()) : BoardState{};
    keepFirst(outcome, state.status);
    if (state.read) {
        showCategory(state, category);
        std::optional<TableLimits> limits;
        keepFirst(outcome, loadLimits(limits));
        // The coin labels belong to the outside bets only.
        if (category != CategoryId::Numbers && limits)
            showCoins(state, *limits);
        // The session's money is that of the bets played.
        if (limits)
            keepFirst(outcome, showSession(state.casino, *limits));
    }
    m_grid->hoverCells(QStringLiteral("none"));
    if (!outcome.ok)
        m_status.setStatus(outcome.text);
    else if (!m_limitNotice.isEmpty())
        m_status.setStatus(m_limitNotice);
}

void BoardWidget::zeroZeroToggled(bool on)
{
    const Status stored = m_settings.setZeroZero(m_wheel, on);
    if (!stored.ok)
        m_status.setStatus(stored.text);
    showZeroZero(on);
}

void BoardWidget::showZeroZero(bool on)
{
    const QString cell = m_wheel.zeroZeroCell();
    if (m_keys)
        m_keys->zeroZeroSwitched();
    m_grid->cell(cell)->setEnabled(on);
    m_grid->setCellState(cell, on ? CellState::Off : CellState::Green);
    // Whether 00 is in play changes every chance the sleepers give.
    if (sleepersShown())
        showSleepers(true);
}

void BoardWidget::amountEdited(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        // Emptied to type a new amount: the one in force still holds, and the
        // box shows it greyed until the player types or leaves.
        m_amount->setPlaceholderText(m_amountShown);
        return;
    }
    const Result<QString> amount = AmountText::toStored(text);
    const Status stored = amount ? m_settings.setAmount(m_wheel, *amount) : Status::failure(amount.status());
    if (!stored.ok) {
        // What the box shows is always the amount in force.
        showAmount(m_amountShown);
        amountRefused(stored.text);
        return;
    }
    m_amountShown = text;
    showStakeNeed();
    if (std::exchange(m_amountRefused, false))
        m_status.setStatus(texts::Idle());
}

// Enter commits the amount (it is stored as it is typed) and gives the keys
// back to the pocket entry, so the next digits typed are a pocket, not more
// of the amount.
void BoardWidget::amountEntered()
{
    confirmAmount();
    m_keys->setFocus(Qt::OtherFocusReason);
}

void BoardWidget::confirmAmount()
{
    if (m_amountShown == m_amountConfirmed)
        return;
    m_amountConfirmed = m_amountShown;
    m_amountRefused = false;
    m_status.setStatus(tr("Amount set to %1.").arg(m_amountShown.trimmed()));
}

void BoardWidget::amountRefused(const QString& why)
{
    m_status.setStatus(why);
    m_amountRefused = true;
}

void BoardWidget::showAmount(const QString& shown)
{
    if (m_amount->text() != shown)
        m_amount->setText(shown);
    m_amountShown = shown;
    showStakeNeed();
}

double BoardWidget::amountInForce() const
{
    const Result<QString> stored = AmountText::toStored(m_amountShown);
    return stored ? stored->toDouble() : 0.0;
}

void BoardWidget::showStakeNeed()
{
    const bool needed = amountInForce() <= 0;
    m_stakeHint->setVisible(needed);
    QPalette p = m_amount->palette();
    p.setColor(QPalette::Base, needed ? AmountNeeded : palette().color(QPalette::Base));
    m_amount->setPalette(needed ? p : QPalette());
}

// Read from the store: in force without being a change to confirm.
void BoardWidget::showStoredAmount(const QString& stored)
{
    showAmount(AmountText::toShown(stored));
    m_amountConfirmed = m_amountShown;
}

// --- redraws ----------------------------------------------------------------

Status BoardWidget::loadLimits(std::optional<TableLimits>& limits)
{
    if (!m_app.ensureOpen())
        return Status::failure(errorLine(codes::show(m_wheel.letter())));
    try {
        limits = TableLimits::load(m_app.db(), m_app.settingId, m_wheel);
    } catch (const DbError& e) {
        qCWarning(lcBoard).noquote() << m_wheel.letter() << "table limits not read:" << e.what();
        return Status::failure(errorLine(codes::show(m_wheel.letter())));
    }
    return Status::success();
}

Status BoardWidget::draw(const BoardState& state)
{
    if (!state.read) {
        m_history->clear();
        return Status::success(); // the state's status says why
    }
    for (const Category& c : m_wheel.categories())
        showCategory(state, c.id);
    m_history->showHistory(state.history);
    showStoredAmount(state.settings.amountText);
    std::optional<TableLimits> limits;
    Status first = loadLimits(limits);
    if (!limits)
        return first;
    showCoins(state, *limits);
    keepFirst(first, showSession(state.casino, *limits));
    keepFirst(first, showSleeperMarks(state.casino));
    return first;
}

// The coin mark of the current advice (none while the category is not
// played) and the win ratio of the last judgement.
void BoardWidget::showCategory(const BoardState& state, CategoryId category)
{
    const int i = idx(category);
    const AdviceValue value =
        state.current.exists ? state.current.advice.values[i] : AdviceValue::none(category);
    const QString cell = m_wheel.cellName(value);
    m_grid->setCellState(cell, state.coinCells.contains(cell) ? CellState::Coin : CellState::Off);
    showRatio(category, state.current.exists ? state.winPct[i] : 0.0);
}

// Green above the break-even the statistics judge the category by, so that
// the board and the statistics agree.
void BoardWidget::showRatio(CategoryId category, double percent)
{
    const double breakEven = stats::Odds::of(m_wheel, category).breakEven() * 100;
    m_ratios[idx(category)]->showWinRatio(percent, m_wheel.category(category)->caption, breakEven);
}

void BoardWidget::showCoins(const BoardState& state, const TableLimits& limits)
{
    const std::optional<double> above =
        m_coins->showAdvice(state.current, state.settings.amount, played(), limits.tableMax);
    m_stakeNotice = above ? CoinLabels::aboveTableMax(*above, *limits.tableMax) : QString();
}

// --- session and sleepers ---------------------------------------------------

void BoardWidget::newSession()
{
    if (!m_app.ensureOpen())
        return m_status.setStatus(errorLine(codes::show(m_wheel.letter())));
    try {
        beginSession(m_app.clock().now());
    } catch (const DbError& e) {
        qCWarning(lcBoard).noquote() << m_wheel.letter() << "session not begun:" << e.what();
        return m_status.setStatus(errorLine(codes::show(m_wheel.letter())));
    }
    m_saidStopLoss = m_saidTarget = false;
    m_limitNotice.clear();
    std::optional<TableLimits> limits;
    Status shown = loadLimits(limits);
    if (limits)
        keepFirst(shown, showSession(m_casino.id(), *limits));
    finish(shown);
}

void BoardWidget::beginSession(const QDateTime& at)
{
    Database& db = m_app.db();
    if (db.writesHeld()) {
        m_heldSessionStart = at;
        return;
    }
    m_heldSessionStart.reset();
    SessionStore::begin(db, m_app.settingId, m_wheel, at);
}

void BoardWidget::writeHeldSession()
{
    if (!m_heldSessionStart || !m_app.ensureOpen())
        return;
    try {
        SessionStore::begin(m_app.db(), m_app.settingId, m_wheel, *m_heldSessionStart);
        m_heldSessionStart.reset();
    } catch (const DbError& e) {
        qCWarning(lcBoard).noquote() << m_wheel.letter() << "session not begun:" << e.what();
        m_status.setStatus(errorLine(codes::show(m_wheel.letter())));
    }
}

std::optional<SessionStore::Start> BoardWidget::sessionStart()
{
    if (m_heldSessionStart)
        return SessionStore::startingAt(m_app.db(), m_wheel, *m_heldSessionStart);
    return SessionStore::start(m_app.db(), m_app.settingId, m_wheel);
}

Status BoardWidget::showSession(qint64 casino, const TableLimits& limits)
{
    const QString failure = errorLine(codes::show(m_wheel.letter()));
    if (!m_app.ensureOpen())
        return Status::failure(failure);
    try {
        Database& db = m_app.db();
        std::optional<SessionStore::Start> start = sessionStart();
        // A board always plays in a session: the first draw begins one.
        if (!start) {
            beginSession(m_app.clock().now());
            start = sessionStart();
        }
        const SessionFigures figures =
            SessionFigures::read(db, m_wheel, m_app.settingId, casino, start->afterKey, played());
        m_session->showFigures(figures);
        m_limitNotice.clear();
        switch (limits.reached(figures.result)) {
        case TableLimits::Reached::StopLoss:
            if (!std::exchange(m_saidStopLoss, true))
                m_limitNotice = tr("Stop-loss %1 reached: this session is at %2.")
                                    .arg(AmountText::toShown(*limits.stopLoss),
                                         SessionLine::signedAmount(figures.result));
            break;
        case TableLimits::Reached::Target:
            if (!std::exchange(m_saidTarget, true))
                m_limitNotice =
                    tr("Target %1 reached: this session is at %2.")
                        .arg(AmountText::toShown(*limits.target), SessionLine::signedAmount(figures.result));
            break;
        case TableLimits::Reached::None:
            break;
        }
    } catch (const DbError& e) {
        qCWarning(lcBoard).noquote() << m_wheel.letter() << "session not read:" << e.what();
        return Status::failure(failure);
    }
    return Status::success();
}

Status BoardWidget::showSleeperMarks(qint64 casino)
{
    if (!m_sleepers->isShown())
        return Status::success();
    if (!m_app.ensureOpen())
        return Status::failure(errorLine(codes::show(m_wheel.letter())));
    try {
        Sleepers sleepers(m_wheel, zeroZeroOn(), m_sleeperWindow);
        sleepers.read(m_app.db(), m_app.settingId, casino);
        m_sleepers->show(sleepers, m_sleeperWindow);
    } catch (const DbError& e) {
        qCWarning(lcBoard).noquote() << m_wheel.letter() << "sleepers not read:" << e.what();
        return Status::failure(errorLine(codes::show(m_wheel.letter())));
    }
    return Status::success();
}

void BoardWidget::showSleepers(bool shown)
{
    if (!shown) {
        m_sleepers->hide();
        return;
    }
    // Shown from the next draw on, and drawn now.
    m_sleepers->show(Sleepers(m_wheel, zeroZeroOn(), m_sleeperWindow), m_sleeperWindow);
    const Status drawn = showSleeperMarks(m_casino.id());
    if (!drawn.ok)
        m_status.setStatus(drawn.text);
}

bool BoardWidget::sleepersShown() const
{
    return m_sleepers->isShown();
}

void BoardWidget::setSleeperWindow(qint64 window)
{
    m_sleeperWindow = window;
    if (sleepersShown())
        showSleepers(true);
}

} // namespace spinledger
