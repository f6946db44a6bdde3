#include "board/WinRatioLabel.h"

#include <QLocale>

namespace spinledger {

const QColor WinRatioLabel::Green(0, 128, 0);
const QColor WinRatioLabel::Red(255, 0, 0);

WinRatioLabel::WinRatioLabel(const QString& objectName, const QString& initialToolTip, QWidget* parent)
    : QLabel(QStringLiteral("0 / 0"), parent)
{
    setObjectName(objectName);
    setToolTip(initialToolTip);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(250, 248, 236));
    p.setColor(QPalette::WindowText, QColor(40, 40, 40));
    setPalette(p);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

QString WinRatioLabel::percentText(double percent)
{
    return QLocale().toString(percent, 'f', QLocale::FloatingPointShortest);
}

void WinRatioLabel::showWinRatio(double percent, const QString& categoryName, double breakEvenPercent)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, percent <= breakEvenPercent ? Red : Green);
    setPalette(p);
    const QString text = percentText(percent) + u'%';
    setText(text);
    setToolTip(tr("%1 Win Ratio is %2").arg(categoryName, text));
    repaint();
}

QColor WinRatioLabel::textColour() const
{
    return palette().color(QPalette::WindowText);
}

} // namespace spinledger
