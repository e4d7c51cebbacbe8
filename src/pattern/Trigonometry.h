#pragma once

namespace kaleidra {

// Sine and cosine in plain double arithmetic, to within about one unit in
// the last place. Maths libraries differ in the last bits (one computes these
// with the processor's x87 instructions, thousands of units off for phases in
// the thousands), and a walk adding them up 20002 times can plot another
// pixel: these give the same bits on every system and processor. For |x| up
// to 2^20.
double sine(double x);
double cosine(double x);

} // namespace kaleidra
