#include "pattern/RandomSource.h"

#include <cmath>

namespace kaleidra {

int randomWhole(float r, int n)
{
    return int(std::floor(double(r) * n));
}

int randomSign(float r)
{
    return r < 0.5f ? -1 : 1;
}

} // namespace kaleidra
