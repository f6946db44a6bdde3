#include "wheel/Wheel.h"

#include <QCoreApplication>

namespace spinledger {

namespace {

// Index 0 is 00, index 1 is 0, index n + 1 is pocket n.
const char* const kRLayout[] = {
    "00:G::::",     "0:G::::",      "1:R:O:L:1:1",  "2:B:E:L:1:2",  "3:R:O:L:1:3",  "4:B:E:L:1:1",
    "5:R:O:L:1:2",  "6:B:E:L:1:3",  "7:R:O:L:1:1",  "8:B:E:L:1:2",  "9:R:O:L:1:3",  "10:B:E:L:1:1",
    "11:B:O:L:1:2", "12:R:E:L:1:3", "13:B:O:L:2:1", "14:R:E:L:2:2", "15:B:O:L:2:3", "16:R:E:L:2:1",
    "17:B:O:L:2:2", "18:R:E:L:2:3", "19:R:O:H:2:1", "20:B:E:H:2:2", "21:R:O:H:2:3", "22:B:E:H:2:1",
    "23:R:O:H:2:2", "24:B:E:H:2:3", "25:R:O:H:3:1", "26:B:E:H:3:2", "27:R:O:H:3:3", "28:B:E:H:3:1",
    "29:B:O:H:3:2", "30:R:E:H:3:3", "31:B:O:H:3:1", "32:R:E:H:3:2", "33:B:O:H:3:3", "34:R:E:H:3:1",
    "35:B:O:H:3:2", "36:R:E:H:3:3",
};

const char* const kMLayout[] = {
    "00:G:::",   "0:G:::",    "1:R:O:L:1", "2:B:E:L:2", "3:R:O:L:3",  "4:B:E:L:1",  "5:R:O:M:2",
    "6:B:E:M:3", "7:R:O:M:1", "8:B:E:M:2", "9:R:O:H:3", "10:B:E:H:1", "11:R:O:H:2", "12:B:E:H:3",
};

struct CounterDef
{
    const char* value;
    const char* column; // without the wheel letter
};

struct ValueDef
{
    const char* value;
    const char* cellSuffix;
    int low = 0; // with high: the numbers of a group cell judged by range
    int high = 0;
};

struct CategoryDef
{
    CategoryId id;
    const char* key;
    const char* caption;
    int field;
    PickRule rule;
    std::vector<ValueDef> values;
    std::vector<CounterDef> counters; // stored value -> counter, count-row order
};

QStringList labelsOf(const QStringList& layout)
{
    QStringList labels;
    for (const QString& entry : layout)
        labels << entry.section(u':', 0, 0);
    return labels;
}

// The categories both wheels share; only the column's field differs.
CategoryDef numbers()
{
    return {
        CategoryId::Numbers, "numbers", QT_TRANSLATE_NOOP("Wheel", "Numbers"), 0, PickRule::Numbers, {}, {}};
}

CategoryDef blackRed()
{
    return {CategoryId::BlackRed,
            "blackred",
            QT_TRANSLATE_NOOP("Wheel", "Black/Red"),
            1,
            PickRule::TwoWayRandomTie,
            {{"B", "BLACK"}, {"R", "RED"}},
            {{"B", "Black"}, {"R", "Red"}, {"G", "Green"}}};
}

CategoryDef evenOdd()
{
    return {CategoryId::EvenOdd,
            "evenodd",
            QT_TRANSLATE_NOOP("Wheel", "Even/Odd"),
            2,
            PickRule::TwoWayRandomTie,
            {{"E", "EVEN"}, {"O", "ODD"}},
            {{"E", "EVEN"}, {"O", "ODD"}}};
}

CategoryDef columns(int field)
{
    return {CategoryId::Columns,
            "2to1",
            QT_TRANSLATE_NOOP("Wheel", "2TO1"),
            field,
            PickRule::ThreeWayFirstMax,
            {{"1", "2TO1R1"}, {"2", "2TO1R2"}, {"3", "2TO1R3"}},
            {{"1", "2TO1R1"}, {"2", "2TO1R2"}, {"3", "2TO1R3"}}};
}

std::vector<CategoryDef> rCategories()
{
    return {
        numbers(),
        blackRed(),
        evenOdd(),
        {CategoryId::LowHi,
         "lowhi",
         QT_TRANSLATE_NOOP("Wheel", "Low/High"),
         3,
         PickRule::TwoWayRandomTie,
         {{"L", "1_18"}, {"H", "19_36"}},
         {{"L", "1_18"}, {"H", "19_36"}}},
        {CategoryId::Dozens,
         "dozens",
         QT_TRANSLATE_NOOP("Wheel", "Dozens"),
         4,
         PickRule::ThreeWayFirstMax,
         {{"1", "1ST12"}, {"2", "2ND12"}, {"3", "3RD12"}},
         {{"1", "1ST12"}, {"2", "2ND12"}, {"3", "3RD12"}}},
        columns(5),
    };
}

std::vector<CategoryDef> mCategories()
{
    return {
        numbers(),
        blackRed(),
        evenOdd(),
        // The stored groups are 1-4, 5-8 and 9-12, the cells read 1-6, 4-9 and
        // 7-12; histories may also hold "LM" and "MH", which count twice.
        {CategoryId::LowHi,
         "lowhi",
         QT_TRANSLATE_NOOP("Wheel", "Low/High"),
         3,
         PickRule::ThreeWayFirstMax,
         {{"L", "1_6", 1, 6}, {"M", "4_9", 4, 9}, {"H", "7_12", 7, 12}},
         {{"L", "1_6"},
          {"LM", "1_6"},
          {"LM", "4_9"},
          {"M", "4_9"},
          {"MH", "4_9"},
          {"MH", "7_12"},
          {"H", "7_12"}}},
        columns(4),
    };
}

} // namespace

Wheel Wheel::makeR()
{
    Wheel w;
    w.m_letter = u'R';
    w.m_boardName = QStringLiteral("Roulette");
    for (const char* e : kRLayout)
        w.m_layout << QString::fromLatin1(e);
    w.m_cells = {"pbRBLACK", "pbRRED",   "pbREVEN",   "pbRODD",    "pbR1_18",   "pbR19_36", "pbR1ST12",
                 "pbR2ND12", "pbR3RD12", "pbR2TO1R1", "pbR2TO1R2", "pbR2TO1R3", "pbR00",    "pbR0"};
    for (int n = 1; n <= 36; ++n)
        w.m_cells << QStringLiteral("pbR%1").arg(n);
    w.m_countOrder = {CategoryId::BlackRed, CategoryId::EvenOdd, CategoryId::LowHi,
                      CategoryId::Dozens,   CategoryId::Columns, CategoryId::Numbers};
    w.m_generationOrder = {CategoryId::EvenOdd, CategoryId::BlackRed, CategoryId::LowHi,
                           CategoryId::Dozens,  CategoryId::Columns,  CategoryId::Numbers};
    return w;
}

Wheel Wheel::makeM()
{
    Wheel w;
    w.m_letter = u'M';
    w.m_boardName = QStringLiteral("Miniroulette");
    for (const char* e : kMLayout)
        w.m_layout << QString::fromLatin1(e);
    w.m_cells = {"pbMBLACK", "pbMRED",    "pbMEVEN",   "pbMODD",    "pbM1_6", "pbM4_9",
                 "pbM7_12",  "pbM2TO1R1", "pbM2TO1R2", "pbM2TO1R3", "pbM00",  "pbM0"};
    for (int n = 1; n <= 12; ++n)
        w.m_cells << QStringLiteral("pbM%1").arg(n);
    w.m_countOrder = {CategoryId::BlackRed, CategoryId::EvenOdd, CategoryId::LowHi, CategoryId::Columns,
                      CategoryId::Numbers};
    w.m_generationOrder = {CategoryId::EvenOdd, CategoryId::BlackRed, CategoryId::LowHi, CategoryId::Columns,
                           CategoryId::Numbers};
    return w;
}

void Wheel::finish()
{
    for (const QString& entry : m_layout) {
        m_splitLayout.push_back(entry.split(u':'));
        m_colours.push_back(pocketColourOf(m_splitLayout.back().value(1)));
    }

    const QStringList labels = labelsOf(m_layout);
    const std::vector<CategoryDef> definitions = m_letter == u'R' ? rCategories() : mCategories();

    for (const CategoryDef& s : definitions) {
        Category c{s.id, QString::fromLatin1(s.key), QString::fromLatin1(s.caption), s.field, s.rule, {}};
        if (s.id == CategoryId::Numbers) {
            for (const QString& l : labels)
                c.values.push_back({l, l});
        } else {
            for (const ValueDef& v : s.values)
                c.values.push_back(
                    {QString::fromLatin1(v.value), QString::fromLatin1(v.cellSuffix), v.low, v.high});
        }
        m_categories.push_back(c);
    }
    // Counters follow the count order; a column may serve several stored values.
    for (CategoryId id : m_countOrder) {
        if (id == CategoryId::Numbers) {
            for (const QString& l : labels) {
                m_counters.push_back({id, QString(m_letter) + l});
                m_countersByValue[idx(id)][l].push_back(int(m_counters.size()) - 1);
            }
            continue;
        }
        for (const CategoryDef& s : definitions) {
            if (s.id != id)
                continue;
            for (const CounterDef& cs : s.counters) {
                const QString column = QString(m_letter) + QString::fromLatin1(cs.column);
                if (counterIndex(column) < 0)
                    m_counters.push_back({id, column});
                m_countersByValue[idx(id)][QString::fromLatin1(cs.value)].push_back(counterIndex(column));
            }
        }
    }
    for (const Category& c : m_categories)
        judgeChoices(c);
}

// What judging and counting an advice needs, worked out once from the
// stored values so that a spin compares no texts.
void Wheel::judgeChoices(const Category& c)
{
    const int i = idx(c.id);
    const bool byRange = !c.values.empty() && c.values.front().high > 0;
    for (const CategoryValue& v : c.values) {
        const std::vector<int>& counters = countersFor(c.id, v.value);
        m_choiceCounter[i].push_back(counters.empty() ? -1 : counters.front());
        std::vector<bool> wins(size_t(pocketCount()), false);
        for (int p = 0; p < pocketCount(); ++p) {
            // 0 and 00 read as 0, which no group covers.
            const int number = label(p).toInt();
            wins[size_t(p)] = byRange ? number >= v.low && number <= v.high : field(p, c.field) == v.value;
        }
        m_choiceWins[i].push_back(std::move(wins));
    }
    for (int p = 0; p < pocketCount(); ++p)
        m_winsWithoutAdvice[i].push_back(!byRange && field(p, c.field).isEmpty());
}

const Wheel& Wheel::r()
{
    static const Wheel w = [] {
        Wheel x = makeR();
        x.finish();
        return x;
    }();
    return w;
}

const Wheel& Wheel::m()
{
    static const Wheel w = [] {
        Wheel x = makeM();
        x.finish();
        return x;
    }();
    return w;
}

const Wheel* Wheel::byLetter(QChar letter)
{
    if (letter == u'R')
        return &r();
    if (letter == u'M')
        return &m();
    return nullptr;
}

int Wheel::pocketIndex(const QString& label) const
{
    for (int i = 0; i < int(m_splitLayout.size()); ++i) {
        if (m_splitLayout[i].at(0) == label)
            return i;
    }
    return -1;
}

QString Wheel::field(int pocketIndex, int field) const
{
    if (pocketIndex < 0 || pocketIndex >= int(m_splitLayout.size()))
        return {};
    const QStringList& parts = m_splitLayout[pocketIndex];
    return field >= 0 && field < parts.size() ? parts.at(field) : QString();
}

const Category* Wheel::category(CategoryId id) const
{
    for (const Category& c : m_categories) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

const std::vector<int>& Wheel::countersFor(CategoryId c, const QString& storedValue) const
{
    static const std::vector<int> none;
    const auto& byValue = m_countersByValue[idx(c)];
    const auto it = byValue.constFind(storedValue);
    return it == byValue.cend() ? none : *it;
}

int Wheel::counterIndex(const QString& column) const
{
    for (int i = 0; i < int(m_counters.size()); ++i) {
        if (m_counters[i].column == column)
            return i;
    }
    return -1;
}

PocketColour Wheel::colour(int pocketIndex) const
{
    return pocketIndex >= 0 && pocketIndex < int(m_colours.size()) ? m_colours[size_t(pocketIndex)]
                                                                   : PocketColour::Unknown;
}

int Wheel::counterOf(AdviceValue v) const
{
    const std::vector<int>& counters = m_choiceCounter[idx(v.category())];
    return v.isChoice() && v.choice() < int(counters.size()) ? counters[size_t(v.choice())] : -1;
}

AdviceValue Wheel::adviceOf(CategoryId id, QStringView stored) const
{
    const QStringView text = stored.trimmed();
    if (text.isEmpty())
        return AdviceValue::none(id);
    if (const Category* c = category(id)) {
        for (int k = 0; k < int(c->values.size()); ++k) {
            if (c->values[size_t(k)].value == text)
                return {id, k};
        }
    }
    return AdviceValue::unreadable(id);
}

const CategoryValue* Wheel::valueOf(AdviceValue v) const
{
    const Category* c = category(v.category());
    if (!c || !v.isChoice() || v.choice() >= int(c->values.size()))
        return nullptr;
    return &c->values[size_t(v.choice())];
}

QString Wheel::adviceText(AdviceValue v) const
{
    const CategoryValue* value = valueOf(v);
    return value ? value->value : QString();
}

bool Wheel::wins(AdviceValue v, int pocketIndex) const
{
    const int i = idx(v.category());
    if (pocketIndex < 0 || pocketIndex >= pocketCount() || !category(v.category()))
        return false;
    if (v.isNone())
        return m_winsWithoutAdvice[i][size_t(pocketIndex)];
    if (!valueOf(v))
        return false;
    return m_choiceWins[i][size_t(v.choice())][size_t(pocketIndex)];
}

QString Wheel::cellName(AdviceValue v) const
{
    const CategoryValue* value = valueOf(v);
    return value ? cellPrefix() + value->cellSuffix : cellPrefix();
}

QString Wheel::checkBox(CategoryId c) const
{
    static const char* const names[] = {"Numbers", "BlackRed", "EvenOdd", "LowHi", "Dozens", "2TO1"};
    return QStringLiteral("cb") + m_letter + QString::fromLatin1(names[idx(c)]);
}

QString Wheel::ratioLabel(CategoryId c) const
{
    static const char* const names[] = {"Numbers", "BlackRed", "EvenOdd", "LowHi", "Dozens", "2TO1"};
    return QStringLiteral("lbl") + m_letter + QString::fromLatin1(names[idx(c)]) + QStringLiteral("Win");
}

QStringList Wheel::settingsColumns() const
{
    QStringList cols;
    for (const Category& c : m_categories)
        cols << checkBox(c.id);
    cols << zeroSwitch() << amountSetting() << casinoSetting();
    return cols;
}

QString Wheel::spinColumn(CategoryId c) const
{
    return spinTable() + u'_' + category(c)->key;
}

QString Wheel::adviseColumn(CategoryId c) const
{
    return adviseTable() + u'_' + category(c)->key;
}

QString Wheel::coinsColumn(CategoryId c) const
{
    return adviseColumn(c) + QStringLiteral("_coins");
}

QString Wheel::winColumn(CategoryId c) const
{
    return winTable() + u'_' + category(c)->key;
}

} // namespace spinledger
