#pragma once

namespace kaleidra {

// Sine and cosine rounded to the nearest double, worked out in fixed point to
// as many bits as it takes to tell which double that is. Slow (microseconds):
// sine() and cosine() come here only for the rare arguments that their
// double-double estimate cannot round. For |x| up to 2^20.
double preciseSine(double x);
double preciseCosine(double x);

} // namespace kaleidra
