#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/errors.h"

namespace vx {

// The 0-based position of 1-based position `i` in a table of `size` entries; a position
// outside 1..size throws IndexError instead of reaching past the table.
inline std::size_t OneBasedIndex(int i, int size) {
    if (i < 1 || i > size) {
        throw IndexError("table index " + std::to_string(i) + " outside 1.." +
                         std::to_string(size));
    }
    return static_cast<std::size_t>(i - 1);
}

// A fixed table with 1-based positions 1..N, as the system numbers its tables. An index
// outside 1..N throws IndexError instead of reaching past the table.
template <typename T, std::size_t N>
class OneBased {
public:
    static constexpr int kSize = static_cast<int>(N);

    T& operator[](int i) { return items_[Index(i)]; }
    const T& operator[](int i) const { return items_[Index(i)]; }

    void Fill(const T& value) { items_.fill(value); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    bool operator==(const OneBased&) const = default;

private:
    static std::size_t Index(int i) { return OneBasedIndex(i, kSize); }

    std::array<T, N> items_{};
};

}  // namespace vx
