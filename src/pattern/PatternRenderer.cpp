#include "pattern/PatternRenderer.h"

#include "pattern/PatternState.h"
#include "pattern/PlotSink.h"
#include "pattern/Trigonometry.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <deque>
#include <mutex>
#include <vector>

namespace kaleidra {

namespace {

constexpr int stepsPerPass = 10001;
constexpr int stepCount = 2 * stepsPerPass;
constexpr int plotInterval = 9;

// Velocities are summed a block of steps at a time, with a fixed block length
// so that the compiler vectorises the per-term loops without a remainder.
constexpr int blockSteps = 1024;
static_assert(blockSteps % 8 == 0, "a block is a whole number of the widest vectors, 8 doubles");
constexpr int paddedStepCount = (stepCount + blockSteps - 1) / blockSteps * blockSteps;

constexpr int firstTabledFrequency = PatternState::lowestFrequency;
constexpr int lastTabledFrequency = PatternState::highestParameter;

// Cosine and sine of a phase advanced by frequency / 10 at every step. The
// phase is accumulated exactly as the step-by-step walk does it, because
// s × frequency / 10 rounds differently and would move points; the sines
// and cosines are the program's own, correctly rounded on every system.
struct PhaseWave {
    std::vector<double> cosines;
    std::vector<double> sines;
};

void walkPhase(int frequency, PhaseWave &wave)
{
    wave.cosines.assign(paddedStepCount, 0.0);
    wave.sines.assign(paddedStepCount, 0.0);
    const double increment = double(frequency) / 10.0;
    double phase = 0.0;
    for (int step = 0; step < stepCount; ++step) {
        const SineCosine values = sineAndCosine(phase);
        wave.cosines[step] = values.cosine;
        wave.sines[step] = values.sine;
        phase = phase + increment;
    }
}

// A run only ever uses these frequencies, so their waves are worked out once
// for the life of the program (about 3 MB) the first time each is needed.
const PhaseWave &tabledWave(int frequency)
{
    assert(frequency >= firstTabledFrequency && frequency <= lastTabledFrequency);
    constexpr int count = lastTabledFrequency - firstTabledFrequency + 1;
    static std::array<std::once_flag, count> built;
    static std::array<PhaseWave, count> waves;
    const int index = frequency - firstTabledFrequency;
    std::call_once(built[index], [&] { walkPhase(frequency, waves[index]); });
    return waves[index];
}

struct Term {
    double amplitude;
    const double *wave;
};

void addTermVelocity(double *velocity, const Term &term, int firstStep)
{
    const double *wave = term.wave + firstStep;
    for (int i = 0; i < blockSteps; ++i)
        velocity[i] = velocity[i] + (term.amplitude * wave[i]) / 10;
}

void bounce(std::int16_t &value, std::int16_t &direction, int step, int low, int high)
{
    if (direction == 0)
        value = std::int16_t(value + step);
    else
        value = std::int16_t(value - step);
    if (value > high) {
        value = std::int16_t(high);
        direction = 1;
    }
    if (value < low) {
        value = std::int16_t(low);
        direction = 0;
    }
}

} // namespace

void drawPattern(PatternState &state, PlotSink &sink)
{
    const int termCount = state.termCount;
    assert(termCount >= 0 && termCount <= PatternState::termCapacity);

    // Frequencies that a run never uses occur only before the first run (all
    // zero) or in a state edited by hand; their waves are walked for this call only.
    std::deque<PhaseWave> ownWaves;
    const auto waveFor = [&](int frequency) -> const PhaseWave & {
        if (frequency >= firstTabledFrequency && frequency <= lastTabledFrequency)
            return tabledWave(frequency);
        ownWaves.emplace_back();
        walkPhase(frequency, ownWaves.back());
        return ownWaves.back();
    };

    // A term of amplitude 0 adds ±0.0, which leaves the sum as it is: the sum
    // starts at +0.0 and round-to-nearest never turns it into −0.0. Leaving
    // such terms out changes no point and saves their work.
    std::vector<Term> xTerms;
    std::vector<Term> yTerms;
    for (int i = 0; i < termCount; ++i) {
        if (state.xAmplitude[i] != 0)
            xTerms.push_back({double(state.xAmplitude[i]), waveFor(state.xFrequency[i]).cosines.data()});
        if (state.yAmplitude[i] != 0)
            yTerms.push_back({double(state.yAmplitude[i]), waveFor(state.yFrequency[i]).sines.data()});
    }

    const std::uint32_t colour = colourValue(state.pen.level.red, state.pen.level.green, state.pen.level.blue);
    const double scale = state.magnification;
    double px = 0.0;
    double py = 0.0;
    int k = 0;
    // Velocities of the steps in the block, then the positions after them.
    std::array<double, blockSteps> xs;
    std::array<double, blockSteps> ys;
    for (int firstStep = 0; firstStep < stepCount; firstStep += blockSteps) {
        xs.fill(0.0);
        ys.fill(0.0);
        for (const Term &term : xTerms)
            addTermVelocity(xs.data(), term, firstStep);
        for (const Term &term : yTerms)
            addTermVelocity(ys.data(), term, firstStep);

        // Positions first, in a loop of its own: with the plot calls in the
        // same loop px and py would live in memory rather than in registers.
        const int count = std::min(blockSteps, stepCount - firstStep);
        for (int i = 0; i < count; ++i) {
            px = px + xs[i];
            py = py + ys[i];
            xs[i] = px;
            ys[i] = py;
        }

        // The first pass only brings the walk to where the figure is drawn.
        for (int i = std::max(0, stepsPerPass - firstStep); i < count; ++i) {
            if (k == 0) {
                const float x = float(315 + scale * xs[i]);
                sink.plot(x, float(280 + scale * ys[i]), colour);
                sink.plot(x, float((280 + (-scale) * ys[i]) + 100), colour);
            }
            k = k + 1;
            if (k == plotInterval)
                k = 0;
        }
    }

    stepColour(state);
}

void stepColour(PatternState &state)
{
    ColourLevels &level = state.pen.level;
    ColourLevels &direction = state.pen.direction;
    const ColourBounds &bounds = state.bounds;
    bounce(level.red, direction.red, 5, bounds.minimum.red, bounds.maximum.red);
    bounce(level.green, direction.green, 15, bounds.minimum.green, bounds.maximum.green);
    bounce(level.blue, direction.blue, 15, bounds.minimum.blue, bounds.maximum.blue);
}

} // namespace kaleidra
