// The nine-element arrays of the test state: indices 0 to 8, checked on every
// access, and an in-place uniformly random shuffle.
#pragma once

#include "framework/Platform.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace fw {

class OutOfBoundsException : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

template <class T> class NineArray {
public:
    static constexpr int UBound = 8;

    T& operator()(int i) { return items.at(checked(i)); }
    const T& operator()(int i) const { return items.at(checked(i)); }

    // Fisher-Yates over the platform's random source: every order is equally likely.
    void Shuffle() {
        for (int i = UBound; i > 0; --i) {
            const int j = int(Platform::Current().RandomBelow(std::uint32_t(i + 1)));
            std::swap(items[std::size_t(i)], items[std::size_t(j)]);
        }
    }

    void Clear() { items.fill(T{}); }

    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

private:
    static std::size_t checked(int i) {
        if (i < 0 || i > UBound)
            throw OutOfBoundsException("index " + std::to_string(i) + " is outside 0..8");
        return std::size_t(i);
    }

    std::array<T, UBound + 1> items{};
};

} // namespace fw
