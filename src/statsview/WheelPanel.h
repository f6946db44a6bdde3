#pragma once

#include "stats/Figures.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace spinledger {

class WheelRing;

// The wheel's own figures: the picture of the wheel, the hottest and coldest
// arc of neighbouring pockets, the classic sectors, how many spins a verdict
// needs and what an edge would be worth. objectName "pageWheel".
class WheelPanel : public QWidget
{
    Q_OBJECT
public:
    explicit WheelPanel(QWidget* parent = nullptr);

    void showFigures(const stats::Figures& figures);

private:
    QLabel* addText(const char* objectName);

    WheelRing* m_ring = nullptr;
    QWidget* m_column = nullptr;
    QLabel* m_order = nullptr;
    QLabel* m_sectors = nullptr;
    QLabel* m_classicNote = nullptr;
    QTableWidget* m_classic = nullptr;
    QLabel* m_needed = nullptr;
    QLabel* m_edge = nullptr;
};

} // namespace spinledger
