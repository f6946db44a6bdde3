#pragma once

#include <QLabel>

namespace spinledger {

// A one-line plain-text label that asks for no width of its own and ends a
// text that does not fit with "…", so a long text never widens its window.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace spinledger
