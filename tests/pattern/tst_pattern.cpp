#include "ReferenceRenderer.h"
#include "ScriptedRandom.h"
#include "pattern/ClockRandom.h"
#include "pattern/FigureLog.h"
#include "pattern/PatternEngine.h"
#include "pattern/PatternRenderer.h"
#include "pattern/Picture.h"
#include "pattern/ScaledPicture.h"
#include "pattern/Trigonometry.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace kaleidra;
using L = QList<int>;

// The pixels of the picture not in the background colour.
static int inked(Picture &picture)
{
    const int all = Picture::side * Picture::side;
    return all - int(std::count(picture.bits(), picture.bits() + all, Picture::background));
}

// Each point as a scale × scale block whose corner is scale times the point, rounded; what lies off the
// surface is left out pixel by pixel.
class BlockSink : public PlotSink {
public:
    explicit BlockSink(int scale) : scale(scale), side(Picture::side * scale), pixels(std::size_t(side) * side, Picture::background) {}
    void plot(float x, float y, std::uint32_t colour) override
    {
        const double left = std::nearbyint(double(x) * scale);
        const double top = std::nearbyint(double(y) * scale);
        const std::uint32_t argb = 0xff000000u | (colour & 0xffu) << 16 | (colour & 0xff00u) | (colour >> 16 & 0xffu);
        for (int row = 0; row < scale; ++row)
            for (int column = 0; column < scale; ++column)
                if (left + column >= 0 && left + column < side && top + row >= 0 && top + row < side)
                    pixels[std::size_t(top + row) * side + std::size_t(left + column)] = argb;
    }
    const int scale;
    const int side;
    std::vector<std::uint32_t> pixels;
};

// Where two pictures of the same size first differ, or an empty string.
static QString firstDifference(const std::uint32_t *a, const std::uint32_t *b, int side)
{
    const auto end = a + std::size_t(side) * side;
    const auto at = std::mismatch(a, end, b);
    if (at.first == end)
        return QString();
    const auto index = at.first - a;
    return QStringLiteral("pixel %1,%2 is %3, not %4").arg(index % side).arg(index / side).arg(*at.first, 8, 16).arg(*at.second, 8, 16);
}

// A run from a fixed seed: its log, the reference walk of each figure since the last clear, and the
// picture on screen at its end.
struct Run {
    Run()
    {
        ClockRandom random(20261210u);
        PatternEngine engine(random, &log);
        engine.load();
        const auto draw = [&](int count) {
            for (int i = 0; i < count; ++i) {
                const ColourLevels pen = engine.state().pen.level;
                engine.tick();
                PatternState drawn = engine.state();
                drawn.pen.level = pen;
                RecordingSink sink;
                referenceDrawPattern(drawn, sink, sine, cosine);
                figures.push_back(sink.points);
            }
        };
        engine.toggleRun();
        draw(4);
        engine.toggleRun();
        engine.toggleRun();
        figures.clear();
        draw(35);
        engine.state().bounds = { { 100, 0, 40 }, { 120, 30, 255 } };
        draw(35);
        screen.assign(engine.picture().bits(), engine.picture().bits() + Picture::side * Picture::side);
    }
    FigureLog log;
    std::vector<std::vector<PlottedPoint>> figures;
    std::vector<std::uint32_t> screen;
};

class PatternTest : public QObject {
    Q_OBJECT

private slots:
    // The reference walk asks sine() and cosine() for every phase, which the
    // trigonometry test holds to MPFR's; the renderer takes its tables.
    // The sets past the 200th aim the scale so that 315 + scale × px (or
    // 280 + scale × py) cancels to next to 0 at the last upper point: its float
    // then keeps every bit of the walk, so a walk one ulp off shows (×0.1 for
    // /10, terms summed in another order), which rounding to float hides at
    // scale 5. The aim is taken twice, as the first is itself rounded.
    void matchesReference()
    {
        std::mt19937 generator(11);
        for (int set = 0; set < 240; ++set) {
            const bool vertical = set % 2 == 1;
            const double origin = vertical ? 280.0 : 315.0;
            const auto lastUpper = [vertical](const RecordingSink &sink) {
                const PlottedPoint &point = sink.points[sink.points.size() - 2];
                return double(vertical ? point.y : point.x);
            };
            PatternState fast = sampleRunState(generator);
            // One term in x and one in y take frequencies 0–11 in turn; 0 and 11, which only a state edited
            // by hand holds, have waves of their own outside the table.
            fast.xFrequency[set % 9] = fast.yFrequency[(set + 4) % 9] = std::int16_t(set % 12);
            for (int aim = 0; set >= 200 && aim < 2; ++aim) {
                PatternState scratch = fast;
                RecordingSink probe;
                drawPattern(scratch, probe);
                fast.magnification *= origin / (origin - lastUpper(probe));
            }
            RecordingSink reference;
            referenceDrawPattern(fast, reference, sine, cosine);
            RecordingSink sink;
            drawPattern(fast, sink);
            QVERIFY2(samePoints(sink.points, reference.points), qPrintable(QString::number(set)));
            QVERIFY2(set < 200 || std::abs(lastUpper(reference)) < 1e-9, "the aim missed 0");
        }
    }

    // The pen colour steps 5 red, 15 green and 15 blue a pattern, and turns
    // only once past a bound: landing on it keeps the direction.
    void colourTurnsPastBound()
    {
        PatternState state;
        state.pen.level.red = 100, state.pen.level.green = 15, state.pen.level.blue = 240, state.pen.direction.green = 1;
        state.bounds.maximum.red = state.bounds.maximum.green = state.bounds.maximum.blue = 255;
        const auto colours = [&state] { return L {state.pen.level.red, state.pen.level.green, state.pen.level.blue, state.pen.direction.red, state.pen.direction.green, state.pen.direction.blue}; };
        stepColour(state);
        QCOMPARE(colours(), (L {105, 0, 255, 0, 1, 0}));
        stepColour(state);
        QCOMPARE(colours(), (L {110, 0, 255, 0, 0, 1}));
    }

    // A start draws, term by term, the x and y amplitude and the x and y
    // frequency, 1 to 9. A step nudges in passes, each of four signs and then
    // the four terms they go to, and only after every pass clamps amplitudes
    // to 0–10 and frequencies to 1–10; then it draws a figure.
    void startThenStep()
    {
        const std::vector<float> pass { 0.4f, 0.5f, 0.5f, 0.4f, 0.6f, 0.7f, 0.1f, 0.4f };
        std::vector<float> script { 0.05f, 0.5f, 0.95f, 0.0f, 0.05f, 0.95f, 0.2f, 0.6f };
        script.insert(script.end(), pass.begin(), pass.end());
        script.insert(script.end(), pass.begin(), pass.end());
        ScriptedRandom random(script);
        PatternEngine engine(random);
        PatternState &state = engine.state();
        state.termCount = 2, state.extraNudgePasses = 1, state.magnification = 5.0, state.bounds.maximum.red = 255;
        const auto terms = [&state] {
            L all;
            for (int i = 0; i < 3; ++i)
                all << state.xAmplitude[i] << state.yAmplitude[i] << state.xFrequency[i] << state.yFrequency[i];
            return all;
        };
        QVERIFY(engine.toggleRun());
        QCOMPARE(terms(), (L {1, 5, 9, 1, 1, 9, 2, 6, 0, 0, 0, 0}));
        engine.tick();
        QCOMPARE(terms(), (L {1, 5, 10, 1, 0, 10, 2, 6, 0, 0, 0, 0}));
        QCOMPARE(random.draws(), int(script.size()));
        QCOMPARE(state.pen.level.red, 5);
    }

    void redrawnAtScale_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("as on screen") << 1;
        QTest::newRow("twice") << 2;
        QTest::newRow("four times") << 4;
    }

    // Drawn again from the log, a run's picture is the step-by-step walk of every figure since the last
    // clear, in its colour, each point a block at scale times its place; at 1 it is the picture on
    // screen. The run is cleared by a new start and has its colour bounds changed half-way; it is long
    // enough to be drawn again in several batches.
    void redrawnAtScale()
    {
        QFETCH(int, scale);
        static const Run run;
        BlockSink expected(scale);
        for (const std::vector<PlottedPoint> &figure : run.figures)
            for (const PlottedPoint &point : figure)
                expected.plot(point.x, point.y, point.colour);
        ScaledPicture redrawn(scale);
        QVERIFY(redrawFigures(run.log, redrawn, [](std::size_t) { return true; }));
        const QString difference = firstDifference(redrawn.bits(), expected.pixels.data(), redrawn.side());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        const QString fromScreen = scale == 1 ? firstDifference(redrawn.bits(), run.screen.data(), Picture::side) : QString();
        QVERIFY2(fromScreen.isEmpty(), qPrintable(fromScreen));
    }

    void plotRoundsAndClips_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<L>("pixel"); // empty when the point is off the surface
        QTest::newRow("halves to even") << 2.5f << 3.5f << L {2, 4};
        QTest::newRow("onto the left and bottom edges") << -0.5f << 629.49f << L {0, 629};
        QTest::newRow("onto the top and right edges") << 629.49f << -0.5f << L {629, 0};
        QTest::newRow("x just past -0.5") << std::nextafter(-0.5f, -1.0f) << 5.0f << L {};
        QTest::newRow("y just past -0.5") << 5.0f << std::nextafter(-0.5f, -1.0f) << L {};
        QTest::newRow("x 629.5 rounds off") << 629.5f << 100.0f << L {};
        QTest::newRow("y 629.5 rounds off") << 100.0f << 629.5f << L {};
        QTest::newRow("beyond long long") << 1e20f << 10.0f << L {};
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 5.0f << L {};
    }

    void plotRoundsAndClips()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(L, pixel);
        Picture picture;
        picture.plot(x, y, colourValue(0x12, 0x34, 0x56));
        const PixelRect changed = picture.takeChangedArea();
        QCOMPARE(inked(picture), int(pixel.size()) / 2);
        QCOMPARE(changed.isEmpty(), pixel.isEmpty());
        if (pixel.isEmpty())
            return;
        QCOMPARE(picture.pixel(pixel[0], pixel[1]), 0xff123456u);
        QCOMPARE((L {changed.left, changed.top, changed.width(), changed.height()}), (pixel + L {1, 1}));
        // A clear repaints the whole surface, and leaves no ink.
        picture.clear();
        const PixelRect cleared = picture.takeChangedArea();
        QCOMPARE((L {cleared.left, cleared.top, cleared.width(), cleared.height()}), (L {0, 0, Picture::side, Picture::side}));
        QCOMPARE(picture.pixel(pixel[0], pixel[1]), Picture::background);
    }
};

QTEST_APPLESS_MAIN(PatternTest)
#include "tst_pattern.moc"
