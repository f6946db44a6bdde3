#include "statsview/WheelPanel.h"

#include "stats/FigureFormat.h"
#include "stats/WheelFormat.h"
#include "statsview/TableText.h"
#include "statsview/WheelRing.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;
namespace W = stats::WheelFormat;

const TableText::Column kClassicColumns[] = {
    {QT_TRANSLATE_NOOP("TableText", "Sector"),
     QT_TRANSLATE_NOOP("TableText", "The sector's name; its pockets in the tool tip.")},
    {QT_TRANSLATE_NOOP("TableText", "Spins"),
     QT_TRANSLATE_NOOP("TableText", "Spins that landed in the sector.")},
    {QT_TRANSLATE_NOOP("TableText", "Expected"),
     QT_TRANSLATE_NOOP("TableText", "What a fair wheel gives the sector on average.")},
    {QT_TRANSLATE_NOOP("TableText", "z"),
     QT_TRANSLATE_NOOP("TableText", "Standard deviations from the expected count.")},
    {QT_TRANSLATE_NOOP("TableText", "p (Holm)"),
     QT_TRANSLATE_NOOP(
         "TableText",
         "How likely a count this far out, hot or cold, is on a fair wheel, corrected for judging the "
         "four sectors at once (Holm).")},
};

QString heading(const QString& text)
{
    return QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped());
}

QString paragraph(const QString& title, const QStringList& lines)
{
    QString html = heading(title);
    for (const QString& line : lines)
        html += QStringLiteral("<br>") + line.toHtmlEscaped();
    return html;
}

} // namespace

WheelPanel::WheelPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageWheel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    m_ring = new WheelRing(this);
    row->addWidget(m_ring, 4);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollWheelFigures"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_column = new QWidget;
    auto* column = new QVBoxLayout(m_column);
    column->setContentsMargins(6, 0, 6, 0);
    m_order = addText("lblWheelOrder");
    m_sectors = addText("lblSectorScan");
    m_classicNote = addText("lblClassicSectors");
    m_classic = TableText::make(QStringLiteral("tblClassicSectors"), kClassicColumns,
                                std::size(kClassicColumns), m_column);
    column->addWidget(m_classic);
    m_needed = addText("lblSpinsNeeded");
    m_edge = addText("lblEdge");
    column->addStretch(1);
    scroll->setWidget(m_column);
    row->addWidget(scroll, 5);
}

QLabel* WheelPanel::addText(const char* objectName)
{
    auto* label = new QLabel(m_column);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    static_cast<QVBoxLayout*>(m_column->layout())->addWidget(label);
    return label;
}

void WheelPanel::showFigures(const stats::Figures& f)
{
    const QLocale l;
    const stats::WheelFigures& w = f.wheelFigures;
    m_ring->setVisible(w.hasOrder());
    m_ring->showFigures(f);
    m_order->setText(
        paragraph(w.hasOrder() ? tr("The wheel in wheel order") : tr("The mini wheel"), {W::orderTitle(f)}));

    m_sectors->setVisible(w.hasOrder());
    QStringList scan{
        tr("Every arc of %1 neighbouring pockets at every start, against its fair share.").arg(W::widths())};
    if (!w.tested) {
        scan << W::notEnough(w, l);
    } else {
        scan << W::arc(tr("Hottest", "arc"), w.hottest, w, l)
             << W::arc(tr("Coldest", "arc"), w.coldest, w, l);
    }
    m_sectors->setText(paragraph(tr("Sectors"), scan));

    const bool classic = !w.classic.empty();
    m_classicNote->setVisible(w.hasOrder());
    m_classicNote->setText(paragraph(
        tr("Classic sectors"), {f.zeroZero ? tr("They belong to the single-zero wheel: 00 is enabled.")
                                : classic  ? tr("p is two-sided and corrected for the four sectors (Holm).")
                                           : W::notEnough(w, l)}));
    m_classic->setVisible(classic);
    QList<QStringList> rows;
    for (const stats::ClassicSector& c : w.classic)
        rows << QStringList{c.name, F::count(c.count, l), F::number(c.expected, l, 1), F::number(c.z, l, 2),
                            F::pValue(c.holmP, l)};
    TableText::fill(m_classic, rows);
    for (int r = 0; r < int(w.classic.size()); ++r)
        m_classic->item(r, 0)->setToolTip(tr("%1 pockets: %2")
                                              .arg(w.classic[size_t(r)].pockets.size())
                                              .arg(w.classic[size_t(r)].pockets.join(u' ')));

    QStringList needed{tr("By %1:").arg(W::spinsNeededTest(f))};
    for (const stats::SpinsNeededRow& r : w.spinsNeeded)
        needed << W::spinsNeeded(r, w.sectorWidth, f.spins, l);
    m_needed->setText(paragraph(tr("How many spins a verdict needs"), needed));

    QStringList edge;
    if (!w.tested) {
        edge << W::notEnough(w, l);
    } else {
        edge << W::edge(tr("Hottest pocket"), w.pocketEdge, l);
        if (w.sectorEdge.present)
            edge << W::edge(tr("Hottest arc"), w.sectorEdge, l);
        edge << tr("The hottest was picked as the hottest: its hit rate runs high by that choice alone. "
                   "Past spins do not make a fair wheel predictable.");
    }
    m_edge->setText(paragraph(tr("What an edge would be worth"), edge));
}

} // namespace spinledger
