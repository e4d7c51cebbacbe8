#pragma once

namespace kaleidra {

// Sine and cosine rounded to the nearest double, the same bits on every system
// and processor. Maths libraries differ in the last bits (one computes these
// with the processor's x87 instructions, thousands of units off for phases in
// the thousands), and a walk adding them up 20002 times can plot another
// pixel: these are the true values, in plain double arithmetic. For |x| up
// to 2^20.
double sine(double x);
double cosine(double x);

// Both at once, for little more than the work of one.
struct SineCosine {
    double sine;
    double cosine;
};
SineCosine sineAndCosine(double x);

} // namespace kaleidra
