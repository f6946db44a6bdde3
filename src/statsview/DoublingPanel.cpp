#include "statsview/DoublingPanel.h"

#include "stats/FigureFormat.h"
#include "statsview/TableText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

constexpr int MaxSeries = 1000000;

const TableText::Column kDoublingColumns[] = {
    {QT_TRANSLATE_NOOP("TableText", "Category"),
     QT_TRANSLATE_NOOP("TableText", "The bet a doubling series is played on.")},
    {QT_TRANSLATE_NOOP("TableText", "Bets"),
     QT_TRANSLATE_NOOP(
         "TableText",
         "How many bets one series can make before the next stake would break the table maximum or the "
         "bankroll.")},
    {QT_TRANSLATE_NOOP("TableText", "Series busts"),
     QT_TRANSLATE_NOOP("TableText", "The chance that every bet of one series loses.")},
    {QT_TRANSLATE_NOOP("TableText", "A bust loses"),
     QT_TRANSLATE_NOOP("TableText", "What a series that busts has lost: all its stakes.")},
    {QT_TRANSLATE_NOOP("TableText", "Per series"),
     QT_TRANSLATE_NOOP("TableText", "What one series wins or loses on average, busts included.")},
    {QT_TRANSLATE_NOOP("TableText", "Bust in N"),
     QT_TRANSLATE_NOOP("TableText", "The chance of at least one bust in the next N series.")},
    {QT_TRANSLATE_NOOP("TableText", "Longest run"),
     QT_TRANSLATE_NOOP("TableText", "The most advices in a row that lost in this casino's history.")},
    {QT_TRANSLATE_NOOP("TableText", "Stake needed"),
     QT_TRANSLATE_NOOP("TableText", "The stake of the bet after that run: what it took to win it all back.")},
};

// A positive amount in the user's locale; none for an empty box.
std::optional<double> amountOf(const QString& typed, bool& ok)
{
    ok = true;
    if (typed.trimmed().isEmpty())
        return std::nullopt;
    const double v = QLocale().toDouble(typed.trimmed(), &ok);
    ok = ok && v > 0 && std::isfinite(v);
    return v;
}

QString shown(const std::optional<double>& v)
{
    return v ? F::amount(*v, QLocale()) : QString();
}

} // namespace

DoublingPanel::DoublingPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageDoubling"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    m_inputs = new QHBoxLayout;
    column->addLayout(m_inputs);
    m_base = new QLabel(this);
    m_base->setObjectName(QStringLiteral("lblStatsBase"));
    m_base->setToolTip(tr("A series starts at the wheel's Amount, typed on its board."));
    m_inputs->addWidget(m_base);
    m_inputs->addStretch(1);
    m_tableMax = addInput(QStringLiteral("tbStatsTableMax"), tr("Table &maximum"),
                          tr("The largest stake the table accepts."));
    m_bankroll = addInput(QStringLiteral("tbStatsBankroll"), tr("&Bankroll"),
                          tr("What you can lose in one series; empty: no limit but the table's."));
    m_series = addInput(QStringLiteral("tbStatsSeries"), tr("&Series"),
                        tr("How many series ahead the chance of a bust is reckoned for."));
    m_series->setMaximumWidth(60);

    m_table =
        TableText::make(QStringLiteral("tblDoubling"), kDoublingColumns, std::size(kDoublingColumns), this);
    column->addWidget(m_table);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblDoublingNote"));
    m_note->setWordWrap(true);
    column->addWidget(m_note);
    column->addStretch(1);
}

QLineEdit* DoublingPanel::addInput(const QString& objectName, const QString& caption, const QString& tip)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setToolTip(tip);
    edit->setMaximumWidth(90);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    label->setToolTip(tip);
    m_inputs->addWidget(label);
    m_inputs->addWidget(edit);
    connect(edit, &QLineEdit::editingFinished, this, &DoublingPanel::inputsEdited);
    return edit;
}

Result<stats::DoublingInputs> DoublingPanel::typedInputs() const
{
    stats::DoublingInputs in;
    bool ok = true;
    in.tableMax = amountOf(m_tableMax->text(), ok);
    if (!ok)
        return Result<stats::DoublingInputs>::failure(tr("Table maximum: please enter an amount above 0."));
    in.bankroll = amountOf(m_bankroll->text(), ok);
    if (!ok)
        return Result<stats::DoublingInputs>::failure(
            tr("Bankroll: please enter an amount above 0, or leave it empty for no limit."));
    const QString series = m_series->text().trimmed();
    in.series = series.isEmpty() ? 100 : QLocale().toInt(series, &ok);
    if (!ok || in.series < 1 || in.series > MaxSeries)
        return Result<stats::DoublingInputs>::failure(
            tr("Series: please enter a whole number from 1 to %1.").arg(QLocale().toString(MaxSeries)));
    return in;
}

void DoublingPanel::showFigures(const stats::Figures& f)
{
    const QLocale l;
    const stats::DoublingInputs& in = f.doublingInputs;
    m_base->setText(tr("Base stake %1").arg(F::amount(in.base, l)));
    // What is stored, unless the player is typing.
    for (const auto& [edit, text] :
         {std::pair{m_tableMax, shown(in.tableMax)}, std::pair{m_bankroll, shown(in.bankroll)},
          std::pair{m_series, l.toString(in.series)}}) {
        if (!edit->hasFocus())
            edit->setText(text);
    }
    m_table->horizontalHeaderItem(5)->setText(tr("Bust in %1").arg(l.toString(in.series)));

    QList<QStringList> rows;
    for (const stats::DoublingRow& d : f.doubling)
        rows << F::doublingCells(f.wheel, d, l);
    TableText::fill(m_table, rows);
    // A run as long as a series' bets would have busted it.
    for (int r = 0; r < int(f.doubling.size()); ++r) {
        if (f.doubling[size_t(r)].longestLosingRun < f.doubling[size_t(r)].bets)
            continue;
        QTableWidgetItem* run = m_table->item(r, 6);
        QFont bold = run->font();
        bold.setBold(true);
        run->setFont(bold);
        run->setToolTip(
            tr("A run this long would have busted a series of %1 bets.").arg(f.doubling[size_t(r)].bets));
    }
    m_table->setVisible(!rows.isEmpty());
    m_note->setText(f.doublingState == stats::DoublingState::Ready
                        ? tr("Doubling does not change the odds: a series that wins gains little, a bust "
                             "gives back the gains of many. A run here as long as the bets of a series "
                             "would have busted it.")
                        : F::doublingState(f.doublingState));
}

void DoublingPanel::setTableMaxText(const QString& text)
{
    m_tableMax->setText(text);
}

} // namespace spinledger
