#pragma once

#include <QGroupBox>

class QLineEdit;

namespace spinledger {

class AppContext;
class StatusSink;
class Wheel;

// The "Limits" frame of the Settings tab: table maximum, stop-loss and target
// of each wheel (`tbRTableMax`, `tbRStopLoss`, `tbRTarget` ...), each stored
// when the player leaves the box. An empty box is a limit not typed.
class LimitsPanel : public QGroupBox
{
    Q_OBJECT
public:
    LimitsPanel(AppContext& app, StatusSink& status, QWidget* parent = nullptr);

    // The stored limits into the boxes.
    void load();

signals:
    // A limit of the wheel was stored.
    void limitsChanged(const Wheel& wheel);

private:
    struct Boxes
    {
        QLineEdit* tableMax = nullptr;
        QLineEdit* stopLoss = nullptr;
        QLineEdit* target = nullptr;
    };
    void addWheel(const Wheel& wheel, int row);
    void store(const Wheel& wheel);
    Boxes& boxes(const Wheel& wheel);

    AppContext& m_app;
    StatusSink& m_status;
    Boxes m_r;
    Boxes m_m;
};

} // namespace spinledger
