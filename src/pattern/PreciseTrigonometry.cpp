#include "pattern/PreciseTrigonometry.h"

#include "pattern/FixedPoint.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>

namespace kaleidra {

namespace {

// arctan(1/m) = Σ (−1)^j / ((2j + 1) m^(2j+1)), summed until the powers of
// 1/m vanish at this precision.
FixedPoint arctanOfReciprocal(std::uint64_t m, int words)
{
    FixedPoint power(words, 1);
    power /= m;
    std::array<FixedPoint, 2> sums {FixedPoint(words), FixedPoint(words)};
    for (std::uint64_t j = 0; !power.isZero(); ++j) {
        FixedPoint term = power;
        term /= 2 * j + 1;
        sums[j % 2] += term;
        power /= m * m;
    }
    sums[0] -= sums[1];
    return sums[0];
}

// Machin's formula π/4 = 4 arctan(1/5) − arctan(1/239), doubled.
FixedPoint halfPi(int words)
{
    FixedPoint sum = arctanOfReciprocal(5, words);
    sum *= 8;
    FixedPoint rest = arctanOfReciprocal(239, words);
    rest *= 2;
    sum -= rest;
    return sum;
}

// Every operation above and below cuts off less than one unit u of the last
// word. π/2 gathers under 3u a term over its two series, which have fewer
// than 20 terms a word: under 400u a word. x − nπ/2 multiplies that by
// n < 2^20; the series of sin r and cos r grow an error in r by at most
// e^r < 5 and add under 10u a term of their own. 2^32 u a word bounds all
// of it with room to spare.
constexpr int errorBoundBits = 32;

// 2/π, only to guess the number of quarter turns, which is then checked.
constexpr double twoOverPi = 0x1.45f306dc9c883p-1;

// sin |x| after `quarters` more quarter turns, at `words` words after the
// point: the double it rounds to, or 0 when the error bound straddles the
// middle between two doubles (the value itself is never 0 in the range).
double roundedAt(double magnitude, int quarters, int words)
{
    const FixedPoint x = FixedPoint::fromDouble(magnitude, words);
    const FixedPoint quarter = halfPi(words);
    // x = n × π/2 + r with 0 ≤ r < π/2.
    auto n = std::uint64_t(magnitude * twoOverPi);
    FixedPoint turned = quarter;
    turned *= n;
    while (x < turned) {
        --n;
        turned -= quarter;
    }
    FixedPoint r = x;
    r -= turned;
    while (!(r < quarter)) {
        ++n;
        r -= quarter;
    }

    // Taylor's series: the terms r^k / k! go in turn to cos r (+), sin r (+),
    // cos r (−) and sin r (−).
    std::array<FixedPoint, 4> sums {FixedPoint(words), FixedPoint(words), FixedPoint(words), FixedPoint(words)};
    FixedPoint term(words, 1);
    for (std::uint64_t k = 0; !term.isZero(); ++k) {
        sums[k % 4] += term;
        term = term * r;
        term /= k + 1;
    }
    const unsigned turn = unsigned(n + std::uint64_t(quarters)) % 4;
    // sin, cos, −sin, −cos of r.
    FixedPoint value = sums[(turn + 1) % 2];
    value -= sums[(turn + 1) % 2 + 2];

    FixedPoint error = FixedPoint::powerOfTwo(errorBoundBits - 64 * words, words);
    error *= std::uint64_t(words);
    if (value < error)
        return 0;
    FixedPoint low = value;
    low -= error;
    FixedPoint high = value;
    high += error;
    const double rounded = low.toDouble();
    if (rounded != high.toDouble())
        return 0;
    return turn >= 2 ? -rounded : rounded;
}

// Ziv's way: twice the words until the answer is sure. It always comes, as
// the sine of a nonzero double is transcendental and so never a midpoint.
double rounded(double magnitude, int quarters)
{
    for (int words = 3;; words *= 2) {
        const double value = roundedAt(magnitude, quarters, words);
        if (value != 0)
            return value;
    }
}

} // namespace

// Below 2^-26, x³/6 is less than half the gap from x to the double below it,
// so sin x rounds to x.
double preciseSine(double x)
{
    assert(std::fabs(x) <= 0x1p20);
    if (std::fabs(x) < 0x1p-26)
        return x;
    const double value = rounded(std::fabs(x), 0);
    return x < 0 ? -value : value;
}

// Below 2^-27, x²/2 is less than half the gap from 1 to the double below it,
// so cos x rounds to 1. cos x = sin(x + π/2), and cos is even.
double preciseCosine(double x)
{
    assert(std::fabs(x) <= 0x1p20);
    if (std::fabs(x) < 0x1p-27)
        return 1.0;
    return rounded(std::fabs(x), 1);
}

} // namespace kaleidra
