#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

// A whole number of a fixed width whose arithmetic never wraps: leaving the range throws.
template <std::signed_integral T>
class Checked {
  public:
    constexpr Checked() = default;
    template <std::integral U>
    constexpr Checked(U value) : value_(narrow(static_cast<std::int64_t>(value))) {}

    constexpr operator T() const { return value_; }
    constexpr T value() const { return value_; }

    friend constexpr Checked operator+(Checked a, Checked b) { return widen(a) + widen(b); }
    friend constexpr Checked operator-(Checked a, Checked b) { return widen(a) - widen(b); }
    friend constexpr Checked operator*(Checked a, Checked b) { return widen(a) * widen(b); }
    template <std::integral U>
    friend constexpr Checked operator+(Checked a, U b) {
        return a + Checked(b);
    }
    template <std::integral U>
    friend constexpr Checked operator-(Checked a, U b) {
        return a - Checked(b);
    }
    template <std::integral U>
    friend constexpr Checked operator*(Checked a, U b) {
        return a * Checked(b);
    }
    template <std::integral U>
    friend constexpr Checked operator+(U a, Checked b) {
        return Checked(a) + b;
    }
    template <std::integral U>
    friend constexpr Checked operator-(U a, Checked b) {
        return Checked(a) - b;
    }
    template <std::integral U>
    friend constexpr Checked operator*(U a, Checked b) {
        return Checked(a) * b;
    }
    constexpr Checked operator-() const { return Checked(-widen(*this)); }

    constexpr Checked& operator+=(Checked b) { return *this = *this + b; }
    constexpr Checked& operator-=(Checked b) { return *this = *this - b; }
    constexpr Checked& operator*=(Checked b) { return *this = *this * b; }
    constexpr Checked& operator++() { return *this += Checked(1); }
    constexpr Checked& operator--() { return *this -= Checked(1); }

  private:
    static constexpr std::int64_t widen(Checked c) { return c.value_; }
    static constexpr T narrow(std::int64_t v) {
        if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) {
            throw std::overflow_error("overflow: " + std::to_string(v) + " does not fit in " +
                                      std::to_string(8 * sizeof(T)) + " bits");
        }
        return static_cast<T>(v);
    }
    T value_ = 0;
};

using Int16 = Checked<std::int16_t>;
using Int32 = Checked<std::int32_t>;
