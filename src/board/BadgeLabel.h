#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>

namespace spinledger {

// A label drawn as a small rounded plate behind its text, and not at all
// while its text is empty, so it can sit over a cell or a row without
// covering anything when there is nothing to say. The text colour is the
// palette's WindowText.
class BadgeLabel : public QLabel
{
    Q_OBJECT
public:
    explicit BadgeLabel(QWidget* parent = nullptr);

    void setPlate(const QColor& fill, const QColor& border);
    void setTextColour(const QColor& colour);
    QColor textColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap plate() const;

    QColor m_fill = Qt::white;
    QColor m_border;
};

} // namespace spinledger
