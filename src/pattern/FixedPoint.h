#pragma once

#include <cstdint>
#include <vector>

namespace kaleidra {

// A number from 0 to below 2^64 held to a chosen number of 64-bit words after
// the point: enough bits to tell which double a sine or cosine rounds to when
// double-double arithmetic cannot. Results are cut off, not rounded, so each
// operation leaves its result at most one unit of the last word low.
class FixedPoint {
public:
    explicit FixedPoint(int fractionWords, std::uint64_t whole = 0);

    // x exactly; x ≥ 0 and a whole multiple of the last word's unit.
    static FixedPoint fromDouble(double x, int fractionWords);
    // 2^exponent, with −64 × fractionWords ≤ exponent < 64.
    static FixedPoint powerOfTwo(int exponent, int fractionWords);

    bool isZero() const;
    bool operator<(const FixedPoint &other) const;

    FixedPoint &operator+=(const FixedPoint &other);
    // other must not be larger.
    FixedPoint &operator-=(const FixedPoint &other);
    FixedPoint operator*(const FixedPoint &other) const;
    FixedPoint &operator*=(std::uint64_t factor);
    FixedPoint &operator/=(std::uint64_t divisor);

    // Rounded to the nearest double, ties to even; the value must not be 0.
    double toDouble() const;

private:
    int fractionWords() const { return int(m_words.size()) - 1; }

    // Least significant first; the last word is the whole part.
    std::vector<std::uint64_t> m_words;
};

} // namespace kaleidra
