#include "pattern/ScaledPicture.h"

#include "pattern/FigureLog.h"
#include "pattern/PatternRenderer.h"
#include "pattern/Picture.h"

#include <algorithm>
#include <cassert>
#include <thread>

namespace kaleidra {

ScaledPicture::ScaledPicture(int scale)
    : m_scale(scale)
    , m_side(Picture::side * scale)
    , m_pixels(std::size_t(m_side) * std::size_t(m_side), Picture::background)
{
    assert(scale >= 1 && scale <= 16);
}

void ScaledPicture::plot(float x, float y, std::uint32_t colour)
{
    // A float times a small whole number is exact in a double.
    const long long left = Picture::toPixel(double(x) * m_scale);
    const long long top = Picture::toPixel(double(y) * m_scale);
    const long long firstColumn = std::max(left, 0LL);
    const long long lastColumn = std::min(left + m_scale, (long long)m_side);
    const long long firstRow = std::max(top, 0LL);
    const long long lastRow = std::min(top + m_scale, (long long)m_side);
    if (firstColumn >= lastColumn)
        return;
    const std::uint32_t argb = Picture::toArgb(colour);
    for (long long row = firstRow; row < lastRow; ++row) {
        std::uint32_t *line = m_pixels.data() + std::size_t(row) * std::size_t(m_side);
        std::fill(line + firstColumn, line + lastColumn, argb);
    }
}

namespace {

// A figure's points, as drawPattern() gives them, to be plotted later.
class PointList : public PlotSink {
public:
    void plot(float x, float y, std::uint32_t colour) override { points.push_back({ x, y, colour }); }

    struct Point {
        float x;
        float y;
        std::uint32_t colour;
    };
    std::vector<Point> points;
};

} // namespace

bool redrawFigures(const FigureLog &log, ScaledPicture &picture, const std::function<bool(std::size_t)> &carryOn)
{
    // Working out a figure's points is most of the work, and each figure's
    // are its own: a batch is worked out on every core while the one before
    // is plotted, in order, as a later figure covers an earlier one.
    const std::size_t threadCount = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    // About 8 ms of work: starting its threads costs next to nothing beside it.
    constexpr std::size_t batchSize = 32;
    std::vector<PointList> batches[2] = { std::vector<PointList>(batchSize), std::vector<PointList>(batchSize) };
    std::vector<std::thread> working;
    const auto workOut = [&](std::vector<PointList> &batch, std::size_t first) {
        const std::size_t count = std::min(batchSize, log.size() - first);
        for (std::size_t thread = 0; thread < threadCount; ++thread) {
            working.emplace_back([&batch, &log, first, count, thread, threadCount] {
                for (std::size_t i = thread; i < count; i += threadCount) {
                    batch[i].points.clear();
                    PatternState state = log.figure(first + i);
                    drawPattern(state, batch[i]);
                }
            });
        }
    };
    const auto finishWork = [&working] {
        for (std::thread &thread : working)
            thread.join();
        working.clear();
    };

    if (log.size() > 0)
        workOut(batches[0], 0);
    for (std::size_t first = 0, round = 0; first < log.size(); first += batchSize, ++round) {
        finishWork();
        if (first + batchSize < log.size())
            workOut(batches[(round + 1) % 2], first + batchSize);
        const std::vector<PointList> &batch = batches[round % 2];
        const std::size_t count = std::min(batchSize, log.size() - first);
        for (std::size_t i = 0; i < count; ++i) {
            for (const PointList::Point &point : batch[i].points)
                picture.plot(point.x, point.y, point.colour);
            if (!carryOn(first + i + 1)) {
                finishWork();
                return false;
            }
        }
    }
    return true;
}

} // namespace kaleidra
