#pragma once

namespace kaleidra {

// Sine and cosine rounded to the nearest double by a computation apart from
// the program's double-double one: MPFR's on Linux; on Windows, where the
// tests cannot link MPFR, the program's fixed-point one, which the Linux
// tests hold to MPFR bit for bit (and the benchmark's digest holds the two
// builds' points to each other).
double independentSine(double x);
double independentCosine(double x);

// The same, remembered per argument: a walk meets the same phases again and
// again.
double referenceSine(double x);
double referenceCosine(double x);

} // namespace kaleidra
