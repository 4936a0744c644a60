#pragma once
// Fixed-size tables indexed from declared lower to upper bounds, as the sounding's tables are.
// An index outside the bounds throws RuntimeError 9 (subscript out of range) instead of reaching
// memory beyond the table.
#include <array>
#include <cstddef>

#include "platform/runtime_error.h"

namespace ohmira {

namespace detail {
inline std::size_t table_index(int i, int lo, int hi) {
    if (i < lo || i > hi)
        throw RuntimeError(err::SubscriptRange);
    return static_cast<std::size_t>(i - lo);
}
} // namespace detail

template <typename T, int Lo, int Hi> class Table1 {
public:
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;
    T &operator()(int i) { return cells_[detail::table_index(i, Lo, Hi)]; }
    const T &operator()(int i) const { return cells_[detail::table_index(i, Lo, Hi)]; }
    // Every element back to its empty value (0 or empty variant).
    void clear() { cells_.fill(T{}); }

private:
    std::array<T, Hi - Lo + 1> cells_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2> class Table2 {
public:
    T &operator()(int i, int j) { return cells_[offset(i, j)]; }
    const T &operator()(int i, int j) const { return cells_[offset(i, j)]; }
    void clear() { cells_.fill(T{}); }

private:
    static std::size_t offset(int i, int j) {
        return detail::table_index(i, Lo1, Hi1) * (Hi2 - Lo2 + 1) +
               detail::table_index(j, Lo2, Hi2);
    }
    std::array<T, (Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1)> cells_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2, int Lo3, int Hi3> class Table3 {
public:
    T &operator()(int i, int j, int k) { return cells_[offset(i, j, k)]; }
    const T &operator()(int i, int j, int k) const { return cells_[offset(i, j, k)]; }
    void clear() { cells_.fill(T{}); }

private:
    static std::size_t offset(int i, int j, int k) {
        constexpr std::size_t n2 = Hi2 - Lo2 + 1;
        constexpr std::size_t n3 = Hi3 - Lo3 + 1;
        return (detail::table_index(i, Lo1, Hi1) * n2 + detail::table_index(j, Lo2, Hi2)) * n3 +
               detail::table_index(k, Lo3, Hi3);
    }
    std::array<T, (Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1) * (Hi3 - Lo3 + 1)> cells_{};
};

} // namespace ohmira
