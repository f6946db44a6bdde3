#pragma once

#include <QLabel>

namespace spinledger {

// The win ratio of one bet category, on a light plate beside its check box:
// "66.67%" in green above the category's break-even (the hit rate at which
// its bet neither wins nor loses: 50% for even money, 1/3 for a dozen), in
// red otherwise.
class WinRatioLabel : public QLabel
{
    Q_OBJECT
public:
    static const QColor Green;
    static const QColor Red;

    WinRatioLabel(const QString& objectName, const QString& initialToolTip, QWidget* parent);

    void showWinRatio(double percent, const QString& categoryName, double breakEvenPercent);
    QColor textColour() const;

    // The percentage as its shortest decimal text in the user's locale.
    static QString percentText(double percent);
};

} // namespace spinledger
