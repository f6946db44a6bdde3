#pragma once

#include <array>

namespace spinledger {

// Bet categories in their fixed display order; the value doubles as an index
// into the per-category arrays of the engine.
enum class CategoryId
{
    Numbers = 0,
    BlackRed,
    EvenOdd,
    LowHi,
    Dozens,
    Columns
};
inline constexpr int CategoryCount = 6;
inline constexpr int idx(CategoryId c)
{
    return static_cast<int>(c);
}

template <typename T> using PerCategory = std::array<T, CategoryCount>;

} // namespace spinledger
