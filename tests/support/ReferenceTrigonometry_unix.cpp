#include "ReferenceTrigonometry.h"

#include <mpfr.h>

namespace kaleidra {

namespace {

// At 53 bits MPFR rounds the true value itself, once, to the nearest double.
double correctlyRounded(int (*function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), double x)
{
    mpfr_t value;
    mpfr_init2(value, 53);
    mpfr_set_d(value, x, MPFR_RNDN);
    function(value, value, MPFR_RNDN);
    const double rounded = mpfr_get_d(value, MPFR_RNDN);
    mpfr_clear(value);
    return rounded;
}

} // namespace

double independentSine(double x)
{
    return correctlyRounded(mpfr_sin, x);
}

double independentCosine(double x)
{
    return correctlyRounded(mpfr_cos, x);
}

} // namespace kaleidra
