#pragma once

namespace kaleidra {

// The one source of random numbers the pattern draws from.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // The next uniform single-precision number in [0, 1); never 1.0.
    virtual float next() = 0;
};

// floor(r × n): a whole number from 0 to n − 1 for every float r in [0, 1).
// Computed in double, where r × n is exact, so the largest float below 1 still
// gives n − 1 and never n.
int randomWhole(float r, int n);

// −1 below one half, +1 from one half on.
int randomSign(float r);

} // namespace kaleidra
