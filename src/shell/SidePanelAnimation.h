#pragma once

#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;

namespace spinledger {

// Opens and closes the main window's side panel by widening or narrowing the
// window 100 twips per tick of its timer. The panel opens beside whatever width
// the player gave the window, and closing gives that width back. A toggle
// during a run turns it round.
class SidePanelAnimation : public QObject
{
    Q_OBJECT
public:
    static constexpr int StepTwips = 100;

    SidePanelAnimation(QWidget* window, int closedTwips, int openedTwips);

    void toggle();
    bool isRunning() const;
    bool isOpening() const { return m_toggleDo == ToggleDo::Open; }
    // How many pixels of the window's width the panel takes now: none while
    // it is closed.
    int shownWidth() const;
    QTimer* timer() const { return m_timer; }

private:
    enum class ToggleDo
    {
        Open,
        Close
    };

    void tick();
    void applyWidth();

    QPointer<QWidget> m_window;
    QTimer* m_timer;
    int m_closedTwips;
    int m_panelTwips;
    bool m_open = false;
    int m_widthTwips = 0;
    ToggleDo m_toggleDo = ToggleDo::Open;
};

} // namespace spinledger
