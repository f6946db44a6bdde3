#include "board/BoardGeometry.h"

#include "wheel/Wheel.h"

#include <algorithm>
#include <array>

namespace spinledger {

namespace {

constexpr int CellWidth = 615;
constexpr int CellHeight = 495;
constexpr int ColumnStep = 600;
constexpr int FirstColumn = 840;
constexpr int ZeroColumn = 240;
constexpr std::array<int, 5> RowTop = {1180, 1900, 2620, 3340, 4060};

struct OutsideCell
{
    char letter;
    const char* suffix;
    int row; // index into RowTop
    int left;
    int width;
};

// The 2to1 cells sit at the end of the number rows and are placed with them.
constexpr OutsideCell OutsideCells[] = {
    {'R', "1ST12", 3, 840, 2415}, {'R', "2ND12", 3, 3240, 2415}, {'R', "3RD12", 3, 5640, 2415},
    {'R', "1_18", 4, 840, 1215},  {'R', "EVEN", 4, 2040, 1215},  {'R', "BLACK", 4, 3240, 1215},
    {'R', "RED", 4, 4440, 1215},  {'R', "ODD", 4, 5640, 1215},   {'R', "19_36", 4, 6840, 1215},
    {'M', "1_6", 3, 240, 1215},   {'M', "4_9", 3, 1440, 1215},   {'M', "7_12", 3, 2640, 1215},
    {'M', "EVEN", 4, 840, 615},   {'M', "BLACK", 4, 1440, 615},  {'M', "RED", 4, 2040, 615},
    {'M', "ODD", 4, 2640, 615},
};

// Row of a number: 3, 6, 9 ... on top, 1, 4, 7 ... at the bottom.
int rowOfNumber(int n)
{
    return 2 - (n - 1) % 3;
}

int highestNumber(const Wheel& wheel)
{
    return wheel.pocketCount() - 2; // 00 and 0 come first
}

QRect numberCell(const Wheel& wheel, const QString& suffix)
{
    if (suffix == u"00")
        return {ZeroColumn, RowTop[0], CellWidth, CellHeight};
    if (suffix == u"0")
        return {ZeroColumn, RowTop[1], CellWidth, CellHeight};
    bool ok = false;
    const int n = suffix.toInt(&ok);
    if (!ok || n < 1 || n > highestNumber(wheel) || suffix != QString::number(n))
        return {};
    return {FirstColumn + ColumnStep * ((n - 1) / 3), RowTop[rowOfNumber(n)], CellWidth, CellHeight};
}

QRect columnCell(const Wheel& wheel, const QString& suffix)
{
    static const QString names[] = {QStringLiteral("2TO1R1"), QStringLiteral("2TO1R2"),
                                    QStringLiteral("2TO1R3")};
    for (int column = 0; column < 3; ++column) {
        if (suffix == names[column]) {
            const int left = FirstColumn + ColumnStep * (highestNumber(wheel) / 3);
            return {left, RowTop[2 - column], CellWidth, CellHeight};
        }
    }
    return {};
}

} // namespace

QSize BoardGeometry::pageSize()
{
    return Twips::toPixels(QSize(10095, 6300));
}

QRect BoardGeometry::cellTwips(const Wheel& wheel, const QString& cellName)
{
    if (!wheel.cellNames().contains(cellName))
        return {};
    const QString suffix = wheel.cellSuffix(cellName);
    for (const OutsideCell& c : OutsideCells) {
        if (QChar(c.letter) == wheel.letter() && suffix == QLatin1String(c.suffix))
            return {c.left, RowTop[c.row], c.width, CellHeight};
    }
    const QRect column = columnCell(wheel, suffix);
    return column.isValid() ? column : numberCell(wheel, suffix);
}

// Category frames run along the top, the table settings along the bottom, the
// history down the right edge.
QRect BoardGeometry::categoryFrame(int position)
{
    return {6 + position * 96, 0, 90, 62};
}

QRect BoardGeometry::zeroZeroFrame()
{
    return {6, 318, 90, 62};
}

QRect BoardGeometry::amountFrame()
{
    return {102, 318, 150, 62};
}

QRect BoardGeometry::casinoFrame()
{
    return {258, 318, 250, 62};
}

QRect BoardGeometry::playedFrame()
{
    return {586, 2, 82, 250};
}

QRect BoardGeometry::undoButton()
{
    return {586, 258, 82, 46};
}

QRect BoardGeometry::keysFrame()
{
    return {586, 318, 82, 62};
}

QRect BoardGeometry::historyLabel(int column, int row, int rows, const QRect& inside, double scale)
{
    static constexpr int ColumnLeft[] = {120, 480, 840};
    const auto at = [scale](int twips) { return Twips::toPixels(twips * scale); };
    const QRect label(at(ColumnLeft[column]), 0, at(255), at(255));
    const int pitch = std::min(at(240), (inside.height() - label.height()) / std::max(1, rows - 1));
    return label.translated(0, inside.top() + row * pitch);
}

} // namespace spinledger
