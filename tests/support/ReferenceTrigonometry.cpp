#include "ReferenceTrigonometry.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kaleidra {

namespace {

// The values met so far, in an open-addressed table keyed by the argument's
// bits (so −0.0 and +0.0 stay apart): the walk's 360,000 lookups a pattern
// would spend more time in a std::unordered_map than in the walk itself.
// Doubles its size at half full.
class Memory {
public:
    explicit Memory(double (*function)(double)) : m_function(function) { grow(1 << 16); }

    double operator()(double x)
    {
        assert(!std::isnan(x));
        std::uint64_t key = 0;
        std::memcpy(&key, &x, sizeof key);
        std::size_t slot = place(key);
        while (m_slots[slot].key != key && m_slots[slot].key != empty)
            slot = (slot + 1) & (m_slots.size() - 1);
        if (m_slots[slot].key == key)
            return m_slots[slot].value;
        const double value = m_function(x);
        m_slots[slot] = {key, value};
        if (++m_count * 2 > m_slots.size())
            grow(m_slots.size() * 2);
        return value;
    }

private:
    struct Slot {
        std::uint64_t key;
        double value;
    };

    // A NaN's bits: no argument has them.
    static constexpr std::uint64_t empty = ~std::uint64_t(0);

    // Fibonacci hashing: the top bits of the key times 2^64 / the golden ratio.
    std::size_t place(std::uint64_t key) const { return std::size_t((key * 0x9e3779b97f4a7c15ull) >> m_shift); }

    void grow(std::size_t size)
    {
        std::vector<Slot> old(size, Slot {empty, 0.0});
        old.swap(m_slots);
        m_shift = 64;
        for (std::size_t s = size; s > 1; s /= 2)
            --m_shift;
        for (const Slot &entry : old) {
            if (entry.key == empty)
                continue;
            std::size_t slot = place(entry.key);
            while (m_slots[slot].key != empty)
                slot = (slot + 1) & (size - 1);
            m_slots[slot] = entry;
        }
    }

    double (*m_function)(double);
    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
    int m_shift = 64;
};

} // namespace

double referenceSine(double x)
{
    static Memory memory(independentSine);
    return memory(x);
}

double referenceCosine(double x)
{
    static Memory memory(independentCosine);
    return memory(x);
}

} // namespace kaleidra
