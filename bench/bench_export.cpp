#include "files/PictureExport.h"
#include "pattern/ClockRandom.h"
#include "pattern/PatternEngine.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <malloc.h>

using namespace kaleidra;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// The best of a few rounds of steps, with and without the engine keeping
// its figures, taken in turn so that other work on the machine slows both.
void stepCost(RandomSource &random)
{
    constexpr int steps = 500;
    constexpr int rounds = 5;
    double with = std::numeric_limits<double>::infinity();
    double without = with;
    for (int round = 0; round < rounds; ++round) {
        for (const bool keep : { true, false }) {
            FigureLog log;
            PatternEngine engine(random, keep ? &log : nullptr);
            engine.load();
            engine.toggleRun();
            const Clock::time_point start = Clock::now();
            for (int i = 0; i < steps; ++i)
                engine.tick();
            double &best = keep ? with : without;
            best = std::min(best, secondsSince(start) * 1000.0 / steps);
        }
    }
    std::printf("one 100 ms step: %.3f ms keeping its figure, %.3f ms without (best of %d rounds of %d)\n", with, without,
                rounds, steps);
}

} // namespace

// An hour of drawing (36,000 figures) from a fixed seed: what the log of
// its figures takes, and how long writing it takes at 1 and 4 times.
int main()
{
    ClockRandom random(20261210u);
    stepCost(random);

    constexpr int hourOfFigures = 36000;
    FigureLog log;
    PatternEngine engine(random, &log);
    engine.load();
    engine.toggleRun();
    engine.tick();
    const std::size_t heapBefore = heapInUse();
    for (int i = 1; i < hourOfFigures; ++i)
        engine.tick();
    const std::size_t logBytes = heapInUse() - heapBefore;
    std::printf("an hour of drawing: %zu figures kept in %.3f MB of heap (%.1f bytes a figure)\n", log.size(),
                double(logBytes) / 1e6, double(logBytes) / double(log.size()));

    QTemporaryDir folder;
    ExportJob job;
    job.figures = log;
    job.screen = QImage(reinterpret_cast<const uchar *>(engine.picture().bits()), Picture::side, Picture::side,
                        QImage::Format_RGB32);
    bool ok = folder.isValid();
    for (const int scale : { 1, 4 }) {
        job.scale = scale;
        job.path = folder.filePath(QStringLiteral("hour-%1.png").arg(scale));
        const Clock::time_point start = Clock::now();
        const auto result = writeExport(job, [](std::size_t) { return true; });
        const double seconds = secondsSince(start);
        ok = ok && result && result->ok();
        std::printf("PNG at %d × %d: %.2f s, %.1f MB\n", Picture::side * scale, Picture::side * scale, seconds,
                    double(QFile(job.path).size()) / 1e6);
    }
    return ok ? 0 : 1;
}
