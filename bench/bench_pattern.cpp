#include "ReferenceRenderer.h"
#include "pattern/PatternRenderer.h"
#include "pattern/Trigonometry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#ifdef __unix__
#include <sys/resource.h>
#endif

using namespace kaleidra;

namespace {

using Clock = std::chrono::steady_clock;

// Costs next to nothing, so the timings are the renderers' own.
class CountingSink : public PlotSink {
public:
    void plot(float, float, std::uint32_t) override { ++count; }

    long long count = 0;
};

// A digest of the points plotted for many states, to compare the builds of
// two systems: the states come from the generator's raw numbers alone, which
// the C++ standard fixes for every library.
unsigned long long pointsDigest(int stateCount)
{
    std::mt19937 generator(1905);
    const auto whole = [&generator](int low, int high) { return std::int16_t(low + int(generator() % unsigned(high - low + 1))); };
    unsigned long long digest = 0xcbf29ce484222325ull;
    for (int i = 0; i < stateCount; ++i) {
        PatternState state;
        state.termCount = 9;
        state.magnification = 5.0;
        for (int term = 0; term < state.termCount; ++term) {
            state.xAmplitude[term] = whole(0, 10);
            state.yAmplitude[term] = whole(0, 10);
            state.xFrequency[term] = whole(1, 10);
            state.yFrequency[term] = whole(1, 10);
        }
        RecordingSink sink;
        drawPattern(state, sink);
        for (const PlottedPoint &point : sink.points) {
            unsigned char bytes[sizeof point];
            std::memcpy(bytes, &point, sizeof point);
            for (const unsigned char byte : bytes)
                digest = (digest ^ byte) * 0x100000001b3ull;
        }
    }
    return digest;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool countsRight = true;

template<typename Draw>
double millisecondsPerPattern(Draw draw, std::vector<PatternState> states)
{
    CountingSink sink;
    const Clock::time_point start = Clock::now();
    for (PatternState &state : states)
        draw(state, sink);
    const double elapsed = millisecondsSince(start);
    if (sink.count != 2224LL * (long long)states.size()) {
        std::printf("unexpected point count %lld\n", sink.count);
        countsRight = false;
    }
    return elapsed / double(states.size());
}

// The literal walk with the program's own sine and cosine at every step.
void literalDrawPattern(PatternState &state, PlotSink &sink)
{
    referenceDrawPattern(state, sink, sine, cosine);
}

} // namespace

int main()
{
    constexpr int setCount = 200;
    std::mt19937 generator(20240607);
    std::vector<PatternState> states;
    for (int i = 0; i < setCount; ++i)
        states.push_back(sampleRunState(generator));

    // The first call of each frequency builds its table; that is paid once per program.
    const Clock::time_point tableStart = Clock::now();
    for (int frequency = 1; frequency <= 10; ++frequency) {
        PatternState warm = states.front();
        warm.xFrequency.fill(std::int16_t(frequency));
        warm.yFrequency.fill(std::int16_t(frequency));
        CountingSink sink;
        drawPattern(warm, sink);
    }
    const double tableMs = millisecondsSince(tableStart);

    // Other work on the machine only ever slows a round down, so the best of
    // a few alternating rounds is the fairest figure for both.
    constexpr int rounds = 5;
    double fastMs = std::numeric_limits<double>::infinity();
    double referenceMs = std::numeric_limits<double>::infinity();
    for (int round = 0; round < rounds; ++round) {
        fastMs = std::min(fastMs, millisecondsPerPattern(drawPattern, states));
        referenceMs = std::min(referenceMs, millisecondsPerPattern(literalDrawPattern, states));
    }

    int identical = 0;
    for (int i = 0; i < setCount; ++i) {
        PatternState fastState = states[i];
        PatternState referenceState = states[i];
        RecordingSink fast;
        RecordingSink reference;
        drawPattern(fastState, fast);
        literalDrawPattern(referenceState, reference);
        if (samePoints(fast.points, reference.points))
            ++identical;
        else
            std::printf("set %d: points differ from the reference\n", i);
    }

    std::printf("drawPattern: %.3f ms per pattern, reference %.3f ms, %.1fx faster, "
                "identical points on %d of %d sets (best of %d rounds)\n",
                fastMs, referenceMs, referenceMs / fastMs, identical, setCount, rounds);
    std::printf("first use of all ten phase tables: %.1f ms\n", tableMs);
    constexpr int digestStates = 1000;
    std::printf("points of %d states: digest %016llx\n", digestStates, pointsDigest(digestStates));
#ifdef __unix__
    rusage usage {};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        std::printf("peak memory: %ld KiB\n", usage.ru_maxrss);
#endif
    return identical == setCount && countsRight ? 0 : 1;
}
