#include "board/BoardFrame.h"

#include "board/Drawing.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace spinledger {

const QColor BoardFrame::Line(0, 0, 0, 48);

BoardFrame::BoardFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void BoardFrame::paintEvent(QPaintEvent*)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QPainter p(this);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    QRect frame = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    if (!option.text.isEmpty())
        frame.setTop(std::max(frame.top(), label.bottom() + 1));
    drawing::fillOutline(p, QRectF(frame), 1, Line);
    if (option.text.isEmpty())
        return;
    int flags = Qt::TextShowMnemonic | Qt::AlignLeft | int(option.textAlignment);
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    p.setPen(option.textColor);
    style()->drawItemText(&p, label, flags, option.palette, isEnabled(), option.text, QPalette::NoRole);
}

} // namespace spinledger
