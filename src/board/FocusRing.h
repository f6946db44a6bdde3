#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace spinledger {

// A gold ring around the control of the page that has the keyboard focus.
// The style's own focus frame is drawn in a faint tint of the highlight and
// disappears on the green felt; this one is drawn over the page, takes no
// clicks and follows the focus and the page's size.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    static const QColor Colour;
    static constexpr int Width = 2;

    explicit FocusRing(QWidget* page);

    // The control it surrounds; none while the focus is elsewhere.
    QWidget* target() const { return m_target; }
    // Placed anew around the target, after the page was laid out.
    void follow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void focusMoved(QWidget* now);

    QWidget* m_page;
    QPointer<QWidget> m_target;
};

} // namespace spinledger
