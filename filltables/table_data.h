#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <stdexcept>

namespace csp {

// A value that stands for `count` consecutive sizes or rows, as the
// engineering tables write "12 x 7, 18 x 12".
template <class T>
struct Repeat {
    int count;
    T value;
};

// Lays the repeats out one entry per size. The counts must add up to N
// exactly; a data set that does not fails to compile.
template <class T, std::size_t N>
constexpr std::array<T, N> repeated(std::initializer_list<Repeat<T>> repeats) {
    std::array<T, N> values{};
    std::size_t next = 0;
    for (const Repeat<T>& r : repeats)
        for (int i = 0; i < r.count; ++i) {
            if (next == N) throw std::logic_error("more values than sizes");
            values[next++] = r.value;
        }
    if (next != N) throw std::logic_error("fewer values than sizes");
    return values;
}

// first, first + step, ... (N values).
template <std::size_t N>
constexpr std::array<double, N> evenlySpaced(double first, double step) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) values[i] = first + step * static_cast<double>(i);
    return values;
}

// The entry of a per-row table, or 0 (no entry) past its end.
inline double entryOrZero(std::span<const double> table, std::size_t row) {
    return row < table.size() ? table[row] : 0.0;
}

}  // namespace csp
