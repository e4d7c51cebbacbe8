#include "pattern/FixedPoint.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kaleidra {

namespace {

// GCC's 128-bit integers, on Linux and on MinGW-w64 alike: a word times a word
// and a carry fit, and so does a remainder and the next word to divide.
__extension__ typedef unsigned __int128 Wide;

constexpr int wordBits = 64;

} // namespace

FixedPoint::FixedPoint(int fractionWords, std::uint64_t whole)
    : m_words(std::size_t(fractionWords) + 1, 0)
{
    assert(fractionWords >= 1);
    m_words.back() = whole;
}

FixedPoint FixedPoint::fromDouble(double x, int fractionWords)
{
    assert(x >= 0 && x < 0x1p64);
    FixedPoint value(fractionWords);
    if (x == 0)
        return value;
    // x = mantissa × 2^(exponent − 53) with a whole mantissa of 53 bits.
    const int exponent = std::ilogb(x) + 1;
    const auto mantissa = std::uint64_t(std::ldexp(x, 53 - exponent));
    const int lowestBit = exponent - 53 + wordBits * fractionWords;
    assert(lowestBit >= 0);
    const int word = lowestBit / wordBits;
    const int shift = lowestBit % wordBits;
    value.m_words[word] = mantissa << shift;
    if (shift > wordBits - 53)
        value.m_words[word + 1] = mantissa >> (wordBits - shift);
    return value;
}

FixedPoint FixedPoint::powerOfTwo(int exponent, int fractionWords)
{
    const int bit = exponent + wordBits * fractionWords;
    assert(bit >= 0 && bit < wordBits * (fractionWords + 1));
    FixedPoint value(fractionWords);
    value.m_words[std::size_t(bit / wordBits)] = std::uint64_t(1) << (bit % wordBits);
    return value;
}

bool FixedPoint::isZero() const
{
    return std::all_of(m_words.begin(), m_words.end(), [](std::uint64_t word) { return word == 0; });
}

bool FixedPoint::operator<(const FixedPoint &other) const
{
    assert(other.m_words.size() == m_words.size());
    return std::lexicographical_compare(m_words.rbegin(), m_words.rend(), other.m_words.rbegin(), other.m_words.rend());
}

FixedPoint &FixedPoint::operator+=(const FixedPoint &other)
{
    assert(other.m_words.size() == m_words.size());
    Wide carry = 0;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const Wide sum = Wide(m_words[i]) + other.m_words[i] + carry;
        m_words[i] = std::uint64_t(sum);
        carry = sum >> wordBits;
    }
    assert(carry == 0);
    return *this;
}

FixedPoint &FixedPoint::operator-=(const FixedPoint &other)
{
    assert(other.m_words.size() == m_words.size());
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const std::uint64_t subtrahend = other.m_words[i] + borrow;
        const bool borrowed = subtrahend < borrow || m_words[i] < subtrahend;
        m_words[i] -= subtrahend;
        borrow = borrowed ? 1 : 0;
    }
    assert(borrow == 0);
    return *this;
}

FixedPoint FixedPoint::operator*(const FixedPoint &other) const
{
    assert(other.m_words.size() == m_words.size());
    const std::size_t count = m_words.size();
    std::vector<std::uint64_t> full(2 * count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        Wide carry = 0;
        for (std::size_t j = 0; j < count; ++j) {
            const Wide sum = Wide(m_words[i]) * other.m_words[j] + full[i + j] + carry;
            full[i + j] = std::uint64_t(sum);
            carry = sum >> wordBits;
        }
        full[i + count] = std::uint64_t(carry);
    }
    // The full product has twice the words after the point: keep the upper ones.
    const std::size_t dropped = std::size_t(fractionWords());
    assert(std::all_of(full.begin() + std::ptrdiff_t(dropped + count), full.end(), [](std::uint64_t word) { return word == 0; }));
    FixedPoint product(fractionWords());
    std::copy(full.begin() + std::ptrdiff_t(dropped), full.begin() + std::ptrdiff_t(dropped + count), product.m_words.begin());
    return product;
}

FixedPoint &FixedPoint::operator*=(std::uint64_t factor)
{
    Wide carry = 0;
    for (std::uint64_t &word : m_words) {
        const Wide product = Wide(word) * factor + carry;
        word = std::uint64_t(product);
        carry = product >> wordBits;
    }
    assert(carry == 0);
    return *this;
}

FixedPoint &FixedPoint::operator/=(std::uint64_t divisor)
{
    assert(divisor != 0);
    Wide remainder = 0;
    for (auto word = m_words.rbegin(); word != m_words.rend(); ++word) {
        const Wide dividend = (remainder << wordBits) | *word;
        *word = std::uint64_t(dividend / divisor);
        remainder = dividend % divisor;
    }
    return *this;
}

double FixedPoint::toDouble() const
{
    const auto top = std::find_if(m_words.rbegin(), m_words.rend(), [](std::uint64_t word) { return word != 0; });
    assert(top != m_words.rend());
    const int topIndex = int(m_words.rend() - top) - 1;
    int leadingZeros = 0;
    while ((*top << leadingZeros) >> (wordBits - 1) == 0)
        ++leadingZeros;
    // The leading 64 bits, with any 1 below them folded into the lowest one:
    // that bit lies below the rounding bit of a double's 53, so it breaks a
    // tie the way the bits cut off would, and the conversion rounds right.
    const std::uint64_t next = topIndex > 0 ? m_words[std::size_t(topIndex - 1)] : 0;
    std::uint64_t leading = *top << leadingZeros;
    std::uint64_t rest = next;
    if (leadingZeros > 0) {
        leading |= next >> (wordBits - leadingZeros);
        rest = next << leadingZeros;
    }
    const bool sticky = rest != 0 || std::any_of(m_words.begin(), m_words.begin() + std::max(0, topIndex - 1), [](std::uint64_t word) { return word != 0; });
    leading |= sticky ? 1 : 0;
    return std::ldexp(double(leading), wordBits * (topIndex - fractionWords()) - leadingZeros);
}

} // namespace kaleidra
