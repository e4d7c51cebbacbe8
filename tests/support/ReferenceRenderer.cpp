#include "ReferenceRenderer.h"

#include "pattern/PatternState.h"
#include "pattern/PlotSink.h"

#include <cmath>

namespace kaleidra {

void referenceDrawPattern(PatternState &state, PlotSink &sink)
{
    const int n = state.kansuu;
    const std::uint32_t colour = colourValue(state.curR, state.curG, state.curB);
    double theta[PatternState::termCapacity];
    double phi[PatternState::termCapacity];
    double c[PatternState::termCapacity];
    double s[PatternState::termCapacity];
    for (int i = 0; i < n; ++i) {
        theta[i] = 0;
        phi[i] = 0;
    }
    double px = 0;
    double py = 0;
    int k = 0;
    for (int pass = 0; pass <= 1; ++pass) {
        for (int step = 0; step <= 10000; ++step) {
            for (int i = 0; i < n; ++i) {
                c[i] = std::cos(theta[i]);
                s[i] = std::sin(phi[i]);
            }
            double vx = 0;
            double vy = 0;
            for (int i = 0; i < n; ++i) {
                vx = vx + (double(state.xAmp[i]) * c[i]) / 10;
                vy = vy + (double(state.yAmp[i]) * s[i]) / 10;
            }
            px = px + vx;
            py = py + vy;
            if (pass == 1) {
                if (k == 0) {
                    const double x = 315 + state.bairitu * px;
                    sink.plot(float(x), float(280 + state.bairitu * py), colour);
                    sink.plot(float(x), float((280 + (-state.bairitu) * py) + 100), colour);
                }
                k = k + 1;
                if (k == 9)
                    k = 0;
            }
            for (int i = 0; i < n; ++i) {
                theta[i] = theta[i] + double(state.xFreq[i]) / 10;
                phi[i] = phi[i] + double(state.yFreq[i]) / 10;
            }
        }
    }

    // The colour step is written out here too, so the comparison also covers it.
    const auto bounce = [](std::int16_t &current, std::int16_t &direction, int step,
                           std::int16_t low, std::int16_t high) {
        current = std::int16_t(direction == 0 ? current + step : current - step);
        if (current > high) {
            current = high;
            direction = 1;
        }
        if (current < low) {
            current = low;
            direction = 0;
        }
    };
    bounce(state.curR, state.dirR, 5, state.minR, state.maxR);
    bounce(state.curG, state.dirG, 15, state.minG, state.maxG);
    bounce(state.curB, state.dirB, 15, state.minB, state.maxB);
}

} // namespace kaleidra
