#include "pattern/Trigonometry.h"

#include <cassert>
#include <cmath>

namespace kaleidra {

namespace {

// π/2 in three parts of 33 significant bits and a rest: a multiple of a
// part by a whole number below 2^20 is exact.
constexpr double halfPi1 = 0x1.921fb544p+0;
constexpr double halfPi2 = 0x1.0b4611a6p-34;
constexpr double halfPi3 = 0x1.3198a2ep-69;
constexpr double halfPiRest = 0x1.b839a252049c1p-104;
constexpr double twoOverPi = 0x1.45f306dc9c883p-1;

// a + b as a rounded sum and its exact error.
void twoSum(double a, double b, double &sum, double &error)
{
    sum = a + b;
    const double bPart = sum - a;
    error = (a - (sum - bPart)) + (b - bPart);
}

// x as q quarter turns and a remainder hi + lo within a quarter of π, with
// every bit of x's distance from the nearest multiple of π/2 kept.
struct Reduced {
    long long quarters;
    double hi;
    double lo;
};

Reduced reduce(double x)
{
    assert(std::fabs(x) <= 0x1p20);
    const double n = std::floor(x * twoOverPi + 0.5);
    const double a = x - n * halfPi1;
    double s1 = 0, e1 = 0, s2 = 0, e2 = 0;
    twoSum(a, -(n * halfPi2), s1, e1);
    twoSum(s1, -(n * halfPi3), s2, e2);
    const double lo = (e1 + e2) - n * halfPiRest;
    const double hi = s2 + lo;
    return { static_cast<long long>(n), hi, lo - (hi - s2) };
}

// Taylor series to the term below the last place for |r| ≤ π/4; the small
// tail lo of the argument enters through the derivative.
double sineKernel(double r, double lo)
{
    const double z = r * r;
    const double tail = 1.0 / 120 + z * (-1.0 / 5040 + z * (1.0 / 362880 + z * (-1.0 / 39916800
                        + z * (1.0 / 6227020800 + z * (-1.0 / 1307674368000 + z * (1.0 / 355687428096000))))));
    return r + (z * r * (-1.0 / 6 + z * tail) + lo * (1.0 - 0.5 * z));
}

// 1 − z/2 rounded leaves an error that is added back before the small terms.
double cosineKernel(double r, double lo)
{
    const double z = r * r;
    const double tail = 1.0 / 24 + z * (-1.0 / 720 + z * (1.0 / 40320 + z * (-1.0 / 3628800 + z * (1.0 / 479001600
                        + z * (-1.0 / 87178291200 + z * (1.0 / 20922789888000 + z * (-1.0 / 6402373705728000)))))));
    const double halfZ = 0.5 * z;
    const double w = 1.0 - halfZ;
    return w + (((1.0 - w) - halfZ) + (z * z * tail - r * lo));
}

// The sine of a remainder r after the given number of quarter turns.
double sineAfterQuarters(long long quarters, const Reduced &r)
{
    switch (quarters & 3) {
    case 0:
        return sineKernel(r.hi, r.lo);
    case 1:
        return cosineKernel(r.hi, r.lo);
    case 2:
        return -sineKernel(r.hi, r.lo);
    default:
        return -cosineKernel(r.hi, r.lo);
    }
}

} // namespace

double sine(double x)
{
    const Reduced r = reduce(x);
    return sineAfterQuarters(r.quarters, r);
}

// cos x = sin(x + π/2): one quarter turn further.
double cosine(double x)
{
    const Reduced r = reduce(x);
    return sineAfterQuarters(r.quarters + 1, r);
}

} // namespace kaleidra
