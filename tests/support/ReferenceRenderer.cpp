#include "ReferenceRenderer.h"

namespace kaleidra {

void referenceDrawPattern(const PatternState &state, PlotSink &sink, double (*sin)(double), double (*cos)(double))
{
    const int n = state.termCount;
    const std::uint32_t colour = colourValue(state.pen.level.red, state.pen.level.green, state.pen.level.blue);
    double theta[PatternState::termCapacity] = {};
    double phi[PatternState::termCapacity] = {};
    double px = 0;
    double py = 0;
    int k = 0;
    for (int pass = 0; pass <= 1; ++pass) {
        for (int step = 0; step <= 10000; ++step) {
            double vx = 0;
            double vy = 0;
            for (int i = 0; i < n; ++i) {
                vx = vx + (double(state.xAmplitude[i]) * cos(theta[i])) / 10;
                vy = vy + (double(state.yAmplitude[i]) * sin(phi[i])) / 10;
            }
            px = px + vx;
            py = py + vy;
            if (pass == 1) {
                if (k == 0) {
                    const double x = 315 + state.magnification * px;
                    sink.plot(float(x), float(280 + state.magnification * py), colour);
                    sink.plot(float(x), float((280 + (-state.magnification) * py) + 100), colour);
                }
                k = (k + 1) % 9;
            }
            for (int i = 0; i < n; ++i) {
                theta[i] = theta[i] + double(state.xFrequency[i]) / 10;
                phi[i] = phi[i] + double(state.yFrequency[i]) / 10;
            }
        }
    }
}

} // namespace kaleidra
