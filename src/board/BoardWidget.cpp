#include "board/BoardWidget.h"

#include "board/StatusSink.h"
#include "engine/SpinEngine.h"
#include "store/AppContext.h"
#include "wheel/Wheel.h"

#include <QComboBox>

namespace spinledger {

struct BoardWidget::Controls
{
    AppContext& app;
    SpinEngine& engine;
    const Wheel& wheel;
    StatusSink& status;
    QComboBox* combo = nullptr;
};

BoardWidget::BoardWidget(AppContext& app, SpinEngine& engine, const Wheel& wheel, StatusSink& status,
                         QWidget* parent)
    : QWidget(parent), m_c(std::make_unique<Controls>(Controls{app, engine, wheel, status}))
{
    setObjectName(QStringLiteral("board") + wheel.letter());
    m_c->combo = new QComboBox(this);
    m_c->combo->setObjectName(wheel.casinoSetting());
}

BoardWidget::~BoardWidget() = default;

const Wheel& BoardWidget::wheel() const
{
    return m_c->wheel;
}

void BoardWidget::initCells() {}
void BoardWidget::loadSettings() {}
QComboBox* BoardWidget::casinoCombo() const
{
    return m_c->combo;
}
void BoardWidget::selectCasino(qint64) {}
void BoardWidget::drawAll() {}
void BoardWidget::hoverNone() {}

} // namespace spinledger
