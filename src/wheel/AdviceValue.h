#pragma once

#include "wheel/CategoryId.h"

#include <cstddef>

namespace spinledger {

// The advised value of one category: the index of the choice in the wheel's
// value table of that category (for Numbers the pocket index). An advice row
// may also hold nothing (no advice stood), or a text that names no choice of
// the category; the wheel reads and writes the stored texts.
class AdviceValue
{
public:
    constexpr AdviceValue() = default;
    constexpr AdviceValue(CategoryId category, int choice) : m_category(category), m_choice(choice) {}

    static constexpr AdviceValue none(CategoryId category) { return {category, None}; }
    static constexpr AdviceValue unreadable(CategoryId category) { return {category, Unreadable}; }

    constexpr CategoryId category() const { return m_category; }
    constexpr bool isChoice() const { return m_choice >= 0; }
    constexpr bool isNone() const { return m_choice == None; }
    // Index into the category's values; only for a choice.
    constexpr int choice() const { return m_choice; }

    friend constexpr bool operator==(AdviceValue, AdviceValue) = default;

private:
    static constexpr int None = -1;
    static constexpr int Unreadable = -2;

    CategoryId m_category = CategoryId::Numbers;
    int m_choice = None;
};

// No advice in any category.
inline constexpr PerCategory<AdviceValue> noAdvice()
{
    PerCategory<AdviceValue> values;
    for (int i = 0; i < CategoryCount; ++i)
        values[std::size_t(i)] = AdviceValue::none(CategoryId(i));
    return values;
}

} // namespace spinledger
