#include "ReferenceTrigonometry.h"

#include "pattern/PreciseTrigonometry.h"

namespace kaleidra {

double independentSine(double x)
{
    return preciseSine(x);
}

double independentCosine(double x)
{
    return preciseCosine(x);
}

} // namespace kaleidra
