#include "casinos/LimitsPanel.h"

#include "session/TableLimits.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "store/StoreLog.h"
#include "ui/StatusSink.h"
#include "wheel/Wheel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <optional>

namespace spinledger {

namespace {

QString shown(const std::optional<double>& amount)
{
    return amount ? QLocale().toString(*amount, 'f', QLocale::FloatingPointShortest) : QString();
}

// A typed amount: nothing for an empty box, false in `ok` for anything but a
// number above 0.
std::optional<double> typed(const QString& text, bool& ok)
{
    ok = true;
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    ok = ok && value > 0;
    return value;
}

} // namespace

LimitsPanel::LimitsPanel(AppContext& app, StatusSink& status, QWidget* parent)
    : QGroupBox(tr("Limits"), parent), m_app(app), m_status(status)
{
    setObjectName(QStringLiteral("frmLimits"));
    auto* grid = new QGridLayout(this);
    const QStringList heads = {tr("Table maximum"), tr("Stop-loss"), tr("Target")};
    for (int c = 0; c < heads.size(); ++c)
        grid->addWidget(new QLabel(heads[c], this), 0, c + 1);
    addWheel(Wheel::r(), 1);
    addWheel(Wheel::m(), 2);
}

void LimitsPanel::addWheel(const Wheel& wheel, int row)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* name = new QLabel(wheel.boardName(), this);
    grid->addWidget(name, row, 0);
    Boxes& b = boxes(wheel);
    const QString l(wheel.letter());
    const struct
    {
        QLineEdit** box;
        QString name;
        QString tip;
    } fields[] = {
        {&b.tableMax, QStringLiteral("tb%1TableMax").arg(l), tr("The largest stake the table takes")},
        {&b.stopLoss, QStringLiteral("tb%1StopLoss").arg(l), tr("The loss of a session at which you stop")},
        {&b.target, QStringLiteral("tb%1Target").arg(l), tr("The win of a session you play for")},
    };
    int column = 1;
    for (const auto& f : fields) {
        auto* box = new QLineEdit(this);
        box->setObjectName(f.name);
        box->setToolTip(f.tip);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setMaximumWidth(90);
        *f.box = box;
        grid->addWidget(box, row, column++);
        connect(box, &QLineEdit::editingFinished, this, [this, &wheel] { store(wheel); });
    }
    name->setBuddy(b.tableMax);
}

LimitsPanel::Boxes& LimitsPanel::boxes(const Wheel& wheel)
{
    return wheel.letter() == u'R' ? m_r : m_m;
}

void LimitsPanel::load()
{
    if (!m_app.ensureOpen())
        return m_status.setStatus(errorLine(codes::Setting));
    for (const Wheel* wheel : {&Wheel::r(), &Wheel::m()}) {
        try {
            const TableLimits limits = TableLimits::load(m_app.db(), m_app.settingId, *wheel);
            Boxes& b = boxes(*wheel);
            b.tableMax->setText(shown(limits.tableMax));
            b.stopLoss->setText(shown(limits.stopLoss));
            b.target->setText(shown(limits.target));
        } catch (const DbError& e) {
            qCWarning(lcStore) << "the table limits could not be read:" << e.what();
            m_status.setStatus(errorLine(codes::Setting));
        }
    }
}

void LimitsPanel::store(const Wheel& wheel)
{
    Boxes& b = boxes(wheel);
    TableLimits limits;
    bool ok[3] = {};
    limits.tableMax = typed(b.tableMax->text(), ok[0]);
    limits.stopLoss = typed(b.stopLoss->text(), ok[1]);
    limits.target = typed(b.target->text(), ok[2]);
    if (!ok[0] || !ok[1] || !ok[2]) {
        // What is stored stays; the boxes show it again.
        m_status.setStatus(tr("A limit is an amount above 0, or empty for none."));
        load();
        return;
    }
    if (!m_app.ensureOpen())
        return m_status.setStatus(errorLine(codes::Setting));
    try {
        const TableLimits before = TableLimits::load(m_app.db(), m_app.settingId, wheel);
        if (before.tableMax == limits.tableMax && before.stopLoss == limits.stopLoss &&
            before.target == limits.target)
            return;
        TableLimits::save(m_app.db(), m_app.settingId, wheel, limits);
    } catch (const DbError& e) {
        qCWarning(lcStore) << "the table limits could not be saved:" << e.what();
        return m_status.setStatus(errorLine(codes::Setting));
    }
    m_status.setStatus(texts::Idle());
    emit limitsChanged(wheel);
}

} // namespace spinledger
