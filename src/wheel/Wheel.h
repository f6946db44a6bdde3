#pragma once

#include "wheel/AdviceValue.h"
#include "wheel/CategoryId.h"
#include "wheel/PocketColour.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace spinledger {

// How the advice of a category is picked from its follower counts.
enum class PickRule
{
    TwoWayRandomTie,
    ThreeWayFirstMax,
    Numbers
};

struct CategoryValue
{
    QString value;      // stored attribute value ("B", "L", "1", or a pocket label)
    QString cellSuffix; // board cell of the value without "pb" + letter ("BLACK", "1_18", "17")
    int low = 0;        // with high: the numbers a group cell covers, judged by range
    int high = 0;
};

struct Category
{
    CategoryId id;
    QString key;     // column stem: "numbers", "blackred", ..., "2to1"
    QString caption; // "Numbers", "Black/Red", ..., "2TO1"; as files and JSON write it
    int field;       // field of the layout entry
    PickRule rule;
    std::vector<CategoryValue> values; // advisable values in their pick order

    bool hasStake() const { return id != CategoryId::Numbers; }

    // The caption as the player reads it, in the program's language.
    QString shownCaption() const
    {
        return QCoreApplication::translate("Wheel", caption.toLatin1().constData());
    }
};

// One follower counter: a column of the count table.
struct Counter
{
    CategoryId category;
    QString column; // "RBlack", "M4_9", "R17"
};

// Everything that tells the two wheels apart. One engine, one board and one
// settings panel serve both, each given one of these.
class Wheel
{
public:
    static const Wheel& r();
    static const Wheel& m();
    static const Wheel* byLetter(QChar letter);

    QChar letter() const { return m_letter; }            // 'R' / 'M'
    QString lower() const { return m_letter.toLower(); } // "r" / "m"
    // The title of the wheel's board: "Roulette" / "Miniroulette".
    const QString& boardName() const { return m_boardName; }

    // The layout table (RLayout / MLayout): one attribute string per pocket.
    const QStringList& layout() const { return m_layout; }
    int pocketCount() const { return int(m_layout.size()); }
    // Index of the pocket whose label equals the text exactly, -1 when none.
    int pocketIndex(const QString& label) const;
    QString field(int pocketIndex, int field) const;
    QString label(int pocketIndex) const { return field(pocketIndex, 0); }
    // Unknown for an index out of the table.
    PocketColour colour(int pocketIndex) const;

    // The board's cells in their fixed order (RCells / MCells names).
    const QStringList& cellNames() const { return m_cells; }

    // Categories in display order (Numbers, Black/Red, Even/Odd, Low/High,
    // [Dozens], 2to1); the M wheel has no Dozens.
    const std::vector<Category>& categories() const { return m_categories; }
    const Category* category(CategoryId id) const;
    bool has(CategoryId id) const { return category(id) != nullptr; }
    // Order of the counters in the count row, and of counting.
    const std::vector<CategoryId>& countOrder() const { return m_countOrder; }
    // Order in which advice is generated (it fixes the order of random draws).
    const std::vector<CategoryId>& generationOrder() const { return m_generationOrder; }

    const std::vector<Counter>& counters() const { return m_counters; }
    // Counters that a follower's stored value adds to (none for an empty or
    // unknown value; two for the M wheel's "LM" and "MH").
    const std::vector<int>& countersFor(CategoryId c, const QString& storedValue) const;
    int counterIndex(const QString& column) const;
    // The counter an advisable choice is counted by; -1 for anything else.
    int counterOf(AdviceValue v) const;

    // The advice a stored text names, blanks around it ignored: none for an
    // empty text, unreadable for one that names no choice of the category
    // (a pocket label must match exactly, so "0" is not "00").
    AdviceValue adviceOf(CategoryId c, QStringView stored) const;
    // The stored text of an advice; empty when it is not a choice.
    QString adviceText(AdviceValue v) const;
    // Whether the advice wins with the pocket. A choice wins when the pocket
    // carries its value (the mini wheel's groups: when the number lies in
    // the group's cell). No advice matches only a pocket with no value in
    // the category (the outside fields of 0 and 00), as stored histories
    // judge it; an unreadable advice never wins.
    bool wins(AdviceValue v, int pocketIndex) const;

    // Board cell of an advice: "pb" + letter + suffix, or "pb" + letter alone
    // when it names no cell.
    QString cellName(AdviceValue v) const;
    QString cellPrefix() const { return QStringLiteral("pb") + m_letter; }
    // A cell name without its prefix ("17", "BLACK", "1_18"), and the pocket
    // it plays (-1 for an outside-bet cell).
    QString cellSuffix(const QString& cellName) const { return cellName.mid(cellPrefix().size()); }
    int cellPocket(const QString& cellName) const { return pocketIndex(cellSuffix(cellName)); }
    QString zeroZeroCell() const { return cellPrefix() + QStringLiteral("00"); }

    // Names of tables, columns and controls.
    QString settingsTable() const { return QStringLiteral("ka_app_%1_setting").arg(lower()); }
    QString amountSetting() const { return QStringLiteral("tb%1Amount").arg(m_letter); }
    QString casinoSetting() const { return QStringLiteral("cmb%1").arg(m_letter); }
    QString zeroSwitch() const { return QStringLiteral("cb") + m_letter + QStringLiteral("00"); }
    QString checkBox(CategoryId c) const;
    QString ratioLabel(CategoryId c) const;
    // Every settings column of this wheel, which the settings store accepts.
    QStringList settingsColumns() const;

    QString spinTable() const { return QStringLiteral("ka_app_") + lower(); }
    QString countTable() const { return spinTable() + QStringLiteral("_count"); }
    QString adviseTable() const { return spinTable() + QStringLiteral("_advise"); }
    QString winTable() const { return spinTable() + QStringLiteral("_win"); }
    QString tallyTable() const { return spinTable() + QStringLiteral("_tally"); }
    QString spinColumn(CategoryId c) const;
    QString adviseColumn(CategoryId c) const;
    QString coinsColumn(CategoryId c) const;
    QString winColumn(CategoryId c) const;
    QString winPctColumn(CategoryId c) const { return winColumn(c) + QStringLiteral("_win"); }
    QString lossPctColumn(CategoryId c) const { return winColumn(c) + QStringLiteral("_loss"); }

private:
    Wheel() = default;
    static Wheel makeR();
    static Wheel makeM();
    void finish();
    void judgeChoices(const Category& c);
    const CategoryValue* valueOf(AdviceValue v) const;

    QChar m_letter;
    QString m_boardName;
    QStringList m_layout;
    QStringList m_cells;
    std::vector<Category> m_categories;
    std::vector<CategoryId> m_countOrder;
    std::vector<CategoryId> m_generationOrder;
    std::vector<Counter> m_counters;
    std::vector<QStringList> m_splitLayout;
    std::vector<PocketColour> m_colours;
    // Per category, the counters a stored value adds to.
    PerCategory<QHash<QString, std::vector<int>>> m_countersByValue;
    // Per category: of each choice its counter and the pockets it wins with
    // (one flag per pocket), and the pockets no advice matches.
    PerCategory<std::vector<int>> m_choiceCounter;
    PerCategory<std::vector<std::vector<bool>>> m_choiceWins;
    PerCategory<std::vector<bool>> m_winsWithoutAdvice;
};

} // namespace spinledger
