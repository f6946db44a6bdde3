#include "statsview/HistoryPanel.h"

#include "statsview/HistoryModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace spinledger {

HistoryPanel::HistoryPanel(AppContext& app, QWidget* parent)
    : QWidget(parent), m_model(new HistoryModel(app, this))
{
    setObjectName(QStringLiteral("pageHistory"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* top = new QHBoxLayout;
    column->addLayout(top);
    auto* label = new QLabel(tr("&Pocket:"), this);
    top->addWidget(label);
    m_pocket = new QComboBox(this);
    m_pocket->setObjectName(QStringLiteral("cmbHistoryPocket"));
    m_pocket->setToolTip(tr("List every spin, or only the spins of one pocket."));
    label->setBuddy(m_pocket);
    top->addWidget(m_pocket);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblHistoryNote"));
    top->addWidget(m_note, 1);
    connect(m_pocket, &QComboBox::activated, this, &HistoryPanel::list);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblHistory"));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    // Row heights and column widths fixed in advance: a view that measured
    // its contents would read every row there is.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    column->addWidget(m_table, 1);
    connect(m_model, &HistoryModel::failed, this, &HistoryPanel::failed);
}

void HistoryPanel::fillPockets(const Wheel& wheel)
{
    if (m_wheel == &wheel)
        return;
    m_pocket->clear();
    m_pocket->addItem(tr("All pockets"), QString());
    for (int i = 0; i < wheel.pocketCount(); ++i)
        m_pocket->addItem(wheel.label(i), wheel.label(i));
}

void HistoryPanel::showWindow(const stats::Figures& f)
{
    const Wheel& wheel = *Wheel::byLetter(f.wheel);
    fillPockets(wheel);
    m_wheel = &wheel;
    m_casino = f.casino;
    m_span = f.span;
    list();
}

void HistoryPanel::list()
{
    if (!m_wheel)
        return;
    m_model->show(*m_wheel, m_casino, m_span, m_pocket->currentData().toString());
    const QFontMetrics fm = m_table->fontMetrics();
    const int columns = m_model->columnCount();
    const int widths[] = {fm.horizontalAdvance(QStringLiteral("1,000,000")),
                          fm.horizontalAdvance(QStringLiteral("00/00/0000 00:00 PM")),
                          fm.horizontalAdvance(tr("Pocket"))};
    for (int c = 0; c < columns; ++c)
        m_table->setColumnWidth(
            c, (c < 3 ? widths[c] : fm.horizontalAdvance(QStringLiteral("Black/Red · 1,024 · lost"))) + 16);
    m_note->setText(tr("Newest first; spins numbered in the casino's whole history."));
    // The first page at once; the view asks for more as it scrolls.
    if (m_model->canFetchMore({}))
        m_model->fetchMore({});
}

} // namespace spinledger
