#include "pattern/Trigonometry.h"

#include "pattern/PreciseTrigonometry.h"

#include <array>
#include <cassert>
#include <cmath>
#include <optional>

namespace kaleidra {

namespace {

// The unevaluated sum hi + lo, about 106 bits: double-double arithmetic.
struct DoubleDouble {
    double hi;
    double lo;
};

DoubleDouble twoSum(double a, double b)
{
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// For |a| ≥ |b|.
DoubleDouble fastTwoSum(double a, double b)
{
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a × b exactly (Dekker): each factor split into halves of at most 26 bits,
// whose products are exact in a double.
DoubleDouble twoProduct(double a, double b)
{
    // 2^27 + 1 splits a 53-bit significand into a high half of 26 bits and a
    // low half of 26 bits and a sign.
    constexpr double splitter = 0x1p27 + 1;
    const auto split = [](double v) {
        const double scaled = splitter * v;
        const double high = scaled - (scaled - v);
        return DoubleDouble {high, v - high};
    };
    const DoubleDouble x = split(a);
    const DoubleDouble y = split(b);
    const double product = a * b;
    return {product, ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

DoubleDouble add(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble sum = twoSum(a.hi, b.hi);
    return fastTwoSum(sum.hi, sum.lo + (a.lo + b.lo));
}

DoubleDouble multiply(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble product = twoProduct(a.hi, b.hi);
    return fastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

DoubleDouble divide(DoubleDouble a, double whole)
{
    const double quotient = a.hi / whole;
    const DoubleDouble back = twoProduct(quotient, whole);
    return fastTwoSum(quotient, (((a.hi - back.hi) - back.lo) + a.lo) / whole);
}

// Taylor's series: sin r = r × Σ sine[k] r^2k, cos r = Σ cosine[k] r^2k, the
// terms (−1)^k / (2k + 1)! and (−1)^k / (2k)! from 1/j! = (1/(j − 1)!) / j.
struct Series {
    std::array<DoubleDouble, 14> sine;   // up to 1/27!
    std::array<DoubleDouble, 15> cosine; // up to 1/28!
};

// Σ terms[k] z^k for k < count by Horner's rule. From the `precise` term on,
// plain doubles carry the sum. A term is larger than z times the rest of the
// sum, so adding it needs no sorting.
template<std::size_t size>
DoubleDouble sum(const std::array<DoubleDouble, size> &terms, int count, int precise, DoubleDouble z)
{
    double tail = terms[std::size_t(count - 1)].hi;
    for (int k = count - 2; k >= precise; --k)
        tail = terms[std::size_t(k)].hi + z.hi * tail;
    DoubleDouble total {tail, 0.0};
    for (int k = precise - 1; k >= 0; --k) {
        const DoubleDouble &term = terms[std::size_t(k)];
        const DoubleDouble product = twoProduct(total.hi, z.hi);
        const DoubleDouble head = fastTwoSum(term.hi, product.hi);
        total = fastTwoSum(head.hi, head.lo + ((product.lo + (total.hi * z.lo + total.lo * z.hi)) + term.lo));
    }
    return total;
}

// A remainder r within a quarter of π is split into a = j/64 and |t| ≤ 1/128:
// sin(a + t) and cos(a + t) from sin a and cos a in a table and the short
// series of t, which falls below 2^-114 of the value after six terms. Terms
// from the fourth on are below 2^-51 of the value, so plain doubles carry
// them to 2^-104.
constexpr double tableStep = 1.0 / 64;
constexpr int tableSize = 52; // j up to 64 × (π/4 and a hair) = 50.3
constexpr int shortTerms = 6;
constexpr int shortPrecise = 3;

struct Tables {
    Series series;
    std::array<DoubleDouble, tableSize> sine;
    std::array<DoubleDouble, tableSize> cosine;
};

// The table from the whole series, to r^27 and r^28, which fall below 2^-112
// of the value for |a| ≤ 0.8; a term is below 2^-53 of the value from the
// eighth (sine) and ninth (cosine) on.
const Tables &tables()
{
    static const Tables built = [] {
        Tables t {};
        DoubleDouble reciprocal {1.0, 0.0};
        for (int j = 0; j < 2 * int(t.series.cosine.size()); ++j) {
            if (j > 0)
                reciprocal = divide(reciprocal, j);
            const double sign = (j / 2) % 2 == 0 ? 1.0 : -1.0;
            const DoubleDouble term {sign * reciprocal.hi, sign * reciprocal.lo};
            if (j % 2 == 0)
                t.series.cosine[std::size_t(j / 2)] = term;
            else if (j / 2 < int(t.series.sine.size()))
                t.series.sine[std::size_t(j / 2)] = term;
        }
        for (std::size_t j = 0; j < tableSize; ++j) {
            const DoubleDouble a {double(j) * tableStep, 0.0};
            const DoubleDouble z = multiply(a, a);
            t.sine[j] = multiply(a, sum(t.series.sine, int(t.series.sine.size()), 8, z));
            t.cosine[j] = sum(t.series.cosine, int(t.series.cosine.size()), 9, z);
        }
        return t;
    }();
    return built;
}

// π/2 in three parts of at most 33 significant bits and a rest: a multiple of a
// part by a whole number below 2^20 is exact. Together they are π/2 to
// within 2^-157.
constexpr double halfPi1 = 0x1.921fb544p+0;
constexpr double halfPi2 = 0x1.0b4611a6p-34;
constexpr double halfPi3 = 0x1.3198a2ep-69;
constexpr double halfPiRest = 0x1.b839a252049c1p-104;
// 2/π rounded, only to pick n: x × 2/π is off by less than 2^-32 for
// |x| ≤ 2^20, so r can pass π/4 by a hair at most, which the table covers.
constexpr double twoOverPi = 0x1.45f306dc9c883p-1;

// The whole number nearest to v, for |v| < 2^51: adding 1.5 × 2^52 leaves no
// bits after the point, so the sum rounds v there (ties to even), and taking
// it off again is exact. Plain arithmetic, where floor() would be a call into
// the maths library.
double nearestWhole(double v)
{
    constexpr double shifter = 0x1.8p52;
    return (v + shifter) - shifter;
}

// x as n quarter turns and a remainder r within a quarter of π (and a hair).
struct Reduced {
    long long quarters;
    DoubleDouble r;
};

// x − n × π/2 with the parts in turn: the first difference is exact, as the
// two are within a factor of two, and the sums of the next ones keep their
// rounding errors. So r is off by at most n × 2^-155 from the missing bits of
// π/2 and the rounded product with the rest, and by 2^-103 of itself from the
// additions.
Reduced reduce(double x)
{
    const double n = nearestWhole(x * twoOverPi);
    const double a = x - n * halfPi1;
    const DoubleDouble s1 = twoSum(a, -(n * halfPi2));
    const DoubleDouble s2 = twoSum(s1.hi, -(n * halfPi3));
    const double lo = (s1.lo + s2.lo) - n * halfPiRest;
    return {static_cast<long long>(n), fastTwoSum(s2.hi, lo)};
}

// sin and cos of x, and a bound on their errors: the reduction's, and 2^-96
// of the value, which leaves room over the series' truncation below 2^-112,
// the few 2^-104 that each double-double step can lose (the table's
// included) and the reduction's 2^-103.
struct Estimate {
    DoubleDouble sine;
    DoubleDouble cosine;
    double reductionError;
};

DoubleDouble negated(DoubleDouble value)
{
    return {-value.hi, -value.lo};
}

Estimate estimate(double x)
{
    const Reduced reduced = reduce(x);
    const Tables &table = tables();
    const DoubleDouble r = reduced.r;
    // r.hi − a is exact, as the two are within a factor of two (or a is 0).
    const double j = nearestWhole(r.hi / tableStep);
    const DoubleDouble t = twoSum(r.hi - j * tableStep, r.lo);
    const DoubleDouble z = multiply(t, t);
    const DoubleDouble sinT = multiply(t, sum(table.series.sine, shortTerms, shortPrecise, z));
    const DoubleDouble cosT = sum(table.series.cosine, shortTerms, shortPrecise, z);
    const auto index = std::size_t(std::fabs(j));
    assert(index < tableSize);
    const DoubleDouble sinA = j < 0 ? negated(table.sine[index]) : table.sine[index];
    const DoubleDouble cosA = table.cosine[index];
    // Neither sum loses more than a bit: sin a ≥ 1/64 outweighs |t| ≤ 1/128
    // twice over, and cos a cos t ≥ 0.69 outweighs |sin a sin t| ≤ 0.006.
    const DoubleDouble sinR = add(multiply(sinA, cosT), multiply(cosA, sinT));
    const DoubleDouble cosR = add(multiply(cosA, cosT), negated(multiply(sinA, sinT)));
    const double reductionError = std::fabs(double(reduced.quarters)) * 0x1p-154;
    // x = r + n quarter turns.
    switch (reduced.quarters & 3) {
    case 0:
        return {sinR, cosR, reductionError};
    case 1:
        return {cosR, negated(sinR), reductionError};
    case 2:
        return {negated(sinR), negated(cosR), reductionError};
    default:
        return {negated(cosR), sinR, reductionError};
    }
}

// The double nearest to the true value, if both ends of the interval around
// hi + lo that holds it round to the same one. The sums lo ± error are
// themselves rounded, by at most 2^-105 of hi, which the error's margin
// covers.
std::optional<double> roundSurely(DoubleDouble value, double reductionError)
{
    const double error = std::fabs(value.hi) * 0x1p-96 + reductionError;
    const double low = value.hi + (value.lo - error);
    const double high = value.hi + (value.lo + error);
    if (low != high)
        return std::nullopt;
    return low;
}

// The estimate rounded where that is sure, else the precise function's value.
double rounded(DoubleDouble value, double reductionError, double (*precise)(double), double x)
{
    const std::optional<double> surely = roundSurely(value, reductionError);
    return surely ? *surely : precise(x);
}

} // namespace

// The precise functions answer tiny arguments at once: sin x rounds to x,
// cos x to 1.
double sine(double x)
{
    assert(std::fabs(x) <= 0x1p20);
    if (std::fabs(x) < 0x1p-26)
        return preciseSine(x);
    const Estimate value = estimate(x);
    return rounded(value.sine, value.reductionError, preciseSine, x);
}

double cosine(double x)
{
    assert(std::fabs(x) <= 0x1p20);
    if (std::fabs(x) < 0x1p-27)
        return preciseCosine(x);
    const Estimate value = estimate(x);
    return rounded(value.cosine, value.reductionError, preciseCosine, x);
}

SineCosine sineAndCosine(double x)
{
    assert(std::fabs(x) <= 0x1p20);
    if (std::fabs(x) < 0x1p-26)
        return {sine(x), cosine(x)};
    const Estimate value = estimate(x);
    return {rounded(value.sine, value.reductionError, preciseSine, x),
            rounded(value.cosine, value.reductionError, preciseCosine, x)};
}

} // namespace kaleidra
