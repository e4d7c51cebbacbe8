#include "RecordingSink.h"
#include "ReferenceRenderer.h"
#include "SampleStates.h"
#include "ScriptedRandom.h"
#include "pattern/PatternEngine.h"
#include "pattern/PatternRenderer.h"
#include "pattern/RandomSource.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace kaleidra;

namespace {

const float belowHalf = std::nextafter(0.5f, 0.0f);
const float belowOne = std::nextafter(1.0f, 0.0f);

// The draw that makes randomWhole(r, n) give index.
float drawFor(int index, int n)
{
    return (float(index) + 0.5f) / float(n);
}

// What a run never reaches but the renderer must still walk right: any term
// count, frequencies of 0 and beyond 1–10, odd amplitudes and scales.
void makeUnusual(PatternState &state, std::mt19937 &generator)
{
    state.kansuu = wholeBetween(generator, 0, PatternState::termCapacity);
    for (int i = 0; i < PatternState::termCapacity; ++i) {
        state.xAmp[i] = wholeBetween(generator, -3, 14);
        state.yAmp[i] = wholeBetween(generator, -3, 14);
        state.xFreq[i] = wholeBetween(generator, -4, 14);
        state.yFreq[i] = wholeBetween(generator, -4, 14);
    }
    state.xFreq[0] = std::numeric_limits<std::int16_t>::max();
    state.yFreq[0] = std::numeric_limits<std::int16_t>::min();
    state.bairitu = std::uniform_real_distribution<double>(-20.0, 20.0)(generator);
}

// Once 315 + scale × px lands next to 0, its float keeps every bit of px,
// as 315 cancels exactly: a walk one ulp off then shows, where at the usual
// scale the rounding to float hides it. Aims twice at the last upper point
// (with the renderer under test, for speed: the caller checks the aim against
// the reference); 0 when that point hardly moves.
double cancellingScale(PatternState state, bool vertical)
{
    const double origin = vertical ? 280.0 : 315.0;
    double scale = 5.0;
    for (int round = 0; round < 2; ++round) {
        state.bairitu = scale;
        PatternState scratch = state;
        RecordingSink sink;
        drawPattern(scratch, sink);
        const PlottedPoint &last = sink.points[sink.points.size() - 2];
        const double walked = ((vertical ? last.y : last.x) - origin) / scale;
        if (std::abs(walked) < 1e-3)
            return 0.0;
        scale = -origin / walked;
    }
    return scale;
}

QString differenceFromReference(const PatternState &start, RecordingSink &referenceSink)
{
    PatternState fast = start;
    PatternState reference = start;
    RecordingSink fastSink;
    drawPattern(fast, fastSink);
    referenceDrawPattern(reference, referenceSink);
    if (!samePoints(fastSink.points, referenceSink.points))
        return QStringLiteral("points differ");
    if (fast.curR != reference.curR || fast.curG != reference.curG || fast.curB != reference.curB
        || fast.dirR != reference.dirR || fast.dirG != reference.dirG || fast.dirB != reference.dirB)
        return QStringLiteral("colour state differs");
    const std::vector<PlottedPoint> &points = fastSink.points;
    if (points.size() != 2224)
        return QStringLiteral("%1 points").arg(points.size());
    for (std::size_t i = 0; i < points.size(); i += 2) {
        const double upper = points[i].y;
        const double lower = points[i + 1].y;
        const double allowed = 1e-4 + 1e-6 * (std::abs(upper) + std::abs(lower));
        if (!sameBits(points[i].x, points[i + 1].x) || !(std::abs(upper + lower - 660.0) <= allowed))
            return QStringLiteral("pair %1 is no mirror image").arg(i / 2);
    }
    return {};
}

} // namespace

class PatternTest : public QObject {
    Q_OBJECT

private slots:
    void matchesReference_data()
    {
        QTest::addColumn<bool>("unusual");
        QTest::addColumn<int>("sets");
        QTest::newRow("run states") << false << 1000;
        QTest::newRow("unusual states") << true << 30;
    }

    void matchesReference()
    {
        QFETCH(bool, unusual);
        QFETCH(int, sets);
        std::mt19937 generator(unusual ? 12 : 11);
        for (int set = 0; set < sets; ++set) {
            PatternState state = sampleRunState(generator);
            if (unusual)
                makeUnusual(state, generator);
            RecordingSink reference;
            const QString difference = differenceFromReference(state, reference);
            if (!difference.isEmpty())
                QFAIL(qPrintable(QStringLiteral("set %1: %2").arg(set).arg(difference)));
        }
    }

    void matchesReferenceToTheLastBit_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("x") << false;
        QTest::newRow("y") << true;
    }

    void matchesReferenceToTheLastBit()
    {
        QFETCH(bool, vertical);
        std::mt19937 generator(vertical ? 21 : 22);
        int probed = 0;
        for (int set = 0; set < 30; ++set) {
            PatternState state = sampleRunState(generator);
            state.bairitu = cancellingScale(state, vertical);
            if (state.bairitu == 0.0)
                continue;
            ++probed;
            RecordingSink reference;
            const QString difference = differenceFromReference(state, reference);
            if (!difference.isEmpty())
                QFAIL(qPrintable(QStringLiteral("set %1: %2").arg(set).arg(difference)));
            const PlottedPoint &last = reference.points[reference.points.size() - 2];
            QVERIFY2(std::abs(vertical ? last.y : last.x) < 1e-9, "the probe missed 0");
        }
        QVERIFY(probed >= 25);
    }

    // x walks the partial sums of cos s over whole s, which swing within
    // 1/2 ± 1/(2 sin ½); y never moves.
    void singleCosineTermStaysOnTwoLines()
    {
        PatternState state;
        state.kansuu = 9;
        state.bairitu = 5.0;
        state.xAmp[0] = 10;
        state.xFreq[0] = 10;
        RecordingSink sink;
        drawPattern(state, sink);
        QCOMPARE(sink.points.size(), std::size_t(2224));
        float left = 1000.0f;
        float right = -1000.0f;
        for (std::size_t i = 0; i < sink.points.size(); ++i) {
            QCOMPARE(sink.points[i].y, i % 2 == 0 ? 280.0f : 380.0f);
            left = std::min(left, sink.points[i].x);
            right = std::max(right, sink.points[i].x);
        }
        QVERIFY2(left >= 312.2f && left < 312.4f, qPrintable(QString::number(left)));
        QVERIFY2(right <= 322.8f && right > 322.6f, qPrintable(QString::number(right)));
    }

    void colourBounces_data()
    {
        // One channel moves from its row's values; the others start at 128 in 0–255.
        QTest::addColumn<int>("channel");
        QTest::addColumn<QList<int>>("currentDirectionLowHigh");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("expectedCurrent");
        QTest::addColumn<int>("expectedDirection");
        using L = QList<int>;
        QTest::newRow("red reaches the top") << 0 << L {250, 0, 0, 255} << 1 << 255 << 0;
        QTest::newRow("red turns at the top") << 0 << L {250, 0, 0, 255} << 2 << 255 << 1;
        QTest::newRow("red comes back") << 0 << L {250, 0, 0, 255} << 3 << 250 << 1;
        QTest::newRow("green turns at 0") << 1 << L {10, 1, 0, 255} << 1 << 0 << 0;
        QTest::newRow("green steps 15") << 1 << L {100, 0, 0, 255} << 2 << 130 << 0;
        QTest::newRow("blue fixed, odd steps") << 2 << L {100, 0, 100, 100} << 3 << 100 << 1;
        QTest::newRow("blue fixed, even steps") << 2 << L {100, 0, 100, 100} << 4 << 100 << 0;
        QTest::newRow("top moved below red") << 0 << L {200, 1, 0, 100} << 1 << 100 << 1;
        QTest::newRow("bottom moved above green") << 1 << L {50, 0, 100, 255} << 1 << 100 << 0;
        QTest::newRow("bottom above blue going down") << 2 << L {50, 1, 100, 255} << 1 << 100 << 0;
    }

    void colourBounces()
    {
        QFETCH(int, channel);
        QFETCH(QList<int>, currentDirectionLowHigh);
        QFETCH(int, steps);
        QFETCH(int, expectedCurrent);
        QFETCH(int, expectedDirection);
        PatternState state;
        std::int16_t *fields[3][4] = {{&state.curR, &state.dirR, &state.minR, &state.maxR},
                                      {&state.curG, &state.dirG, &state.minG, &state.maxG},
                                      {&state.curB, &state.dirB, &state.minB, &state.maxB}};
        for (int c = 0; c < 3; ++c) {
            const QList<int> start = c == channel ? currentDirectionLowHigh : QList<int> {128, 0, 0, 255};
            for (int f = 0; f < 4; ++f)
                *fields[c][f] = std::int16_t(start[f]);
        }
        for (int step = 0; step < steps; ++step)
            stepColour(state);
        QCOMPARE(int(*fields[channel][0]), expectedCurrent);
        QCOMPARE(int(*fields[channel][1]), expectedDirection);
        const int stepSizes[] = {5, 15, 15};
        for (int c = 0; c < 3; ++c) {
            if (c != channel)
                QCOMPARE(int(*fields[c][0]), 128 + steps * stepSizes[c]);
        }
    }

    void randomHelpers_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("whole256");
        QTest::addColumn<int>("parameter");
        QTest::addColumn<int>("sign");
        QTest::newRow("zero") << 0.0f << 0 << 1 << -1;
        QTest::newRow("just below half") << belowHalf << 127 << 5 << -1;
        QTest::newRow("half") << 0.5f << 128 << 5 << 1;
        QTest::newRow("largest below one") << belowOne << 255 << 9 << 1;
    }

    void randomHelpers()
    {
        QFETCH(float, r);
        QFETCH(int, whole256);
        QFETCH(int, parameter);
        QFETCH(int, sign);
        QCOMPARE(randomWhole(r, 256), whole256);
        QCOMPARE(randomWhole(r, 9) + 1, parameter);
        QCOMPARE(randomSign(r), sign);
    }

    void runCycle()
    {
        ScriptedRandom random(0.3f);
        random.queue({0.0f, 0.5f, belowOne});
        PatternEngine engine(random);
        engine.load();
        PatternState &state = engine.state();
        QCOMPARE(random.draws(), 3);
        QVERIFY(state.running == 0 && state.bairitu == 5.0 && state.kansuu == 9 && state.henka == 0);
        QVERIFY(state.curR == 0 && state.curG == 128 && state.curB == 255);
        QVERIFY(state.minR == 0 && state.minG == 0 && state.minB == 0);
        QVERIFY(state.maxR == 255 && state.maxG == 255 && state.maxB == 255);
        QVERIFY(state.dirR == 0 && state.dirG == 0 && state.dirB == 0);
        QCOMPARE(state.xAmp, PatternState::Terms {});

        state.xAmp[20] = 3;
        engine.picture().plot(100.0f, 200.0f, colourValue(255, 255, 255));
        engine.picture().takeChangedArea();
        // Scrambled, so that a wrong term or field order lands on a wrong value.
        for (int j = 0; j < 36; ++j)
            random.queue(drawFor(j * 5 % 9, 9));
        QVERIFY(engine.toggleRun());
        QCOMPARE(random.draws(), 3 + 36);
        QCOMPARE(state.running, std::int16_t(1));
        const PatternState::Terms *terms[] = {&state.xAmp, &state.yAmp, &state.xFreq, &state.yFreq};
        for (int j = 0; j < 36; ++j)
            QCOMPARE(int((*terms[j % 4])[j / 4]), j * 5 % 9 + 1);
        for (int i = 9; i < PatternState::termCapacity; ++i) {
            QCOMPARE(int(state.xAmp[i]), i == 20 ? 3 : 0);
            QVERIFY(state.yAmp[i] == 0 && state.xFreq[i] == 0 && state.yFreq[i] == 0);
        }
        QCOMPARE(engine.picture().pixel(100, 200), Picture::background);
        const PixelRect cleared = engine.tick();
        QVERIFY(cleared.width() == Picture::side && cleared.height() == Picture::side);
        QCOMPARE(random.draws(), 3 + 36 + 8);

        QVERIFY(!engine.tick().isEmpty());
        const PatternState before = state;
        const std::uint32_t *bits = engine.picture().bits();
        const std::vector<std::uint32_t> pixels(bits, bits + Picture::side * Picture::side);
        QVERIFY(!engine.toggleRun());
        QVERIFY(engine.tick().isEmpty());
        QCOMPARE(random.draws(), 3 + 36 + 16);
        QCOMPARE(state.running, std::int16_t(0));
        QVERIFY(state.xAmp == before.xAmp && state.yFreq == before.yFreq && state.curR == before.curR);
        QVERIFY(std::equal(pixels.begin(), pixels.end(), engine.picture().bits()));
    }

    void nudgeDrawOrder()
    {
        ScriptedRandom random;
        PatternEngine engine(random);
        engine.load();
        PatternState &state = engine.state();
        for (auto *terms : {&state.xAmp, &state.yAmp, &state.xFreq, &state.yFreq})
            std::fill(terms->begin(), terms->begin() + 9, std::int16_t(5));
        random.queue({0.2f, 0.7f, 0.5f, belowHalf});
        random.queue({drawFor(2, 9), drawFor(4, 9), drawFor(6, 9), drawFor(8, 9)});

        engine.stepPattern();
        QCOMPARE(random.draws(), 3 + 8);
        const auto expect = [](const PatternState::Terms &terms, int index, int value) {
            for (int i = 0; i < 9; ++i)
                QCOMPARE(int(terms[i]), i == index ? value : 5);
        };
        expect(state.xAmp, 2, 4);
        expect(state.yAmp, 4, 6);
        expect(state.xFreq, 6, 6);
        expect(state.yFreq, 8, 4);
        QVERIFY(!engine.picture().takeChangedArea().isEmpty());
    }

    void nudgeAndClamp_data()
    {
        // One term, so every index draw picks it; the signs go pass by pass.
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<QByteArray>("signs");
        QTest::addColumn<QList<int>>("expected");
        using L = QList<int>;
        QTest::newRow("amplitude 1 down") << L {1, 5, 5, 5} << QByteArray("-+++") << L {0, 6, 6, 6};
        QTest::newRow("frequencies 1 down") << L {5, 5, 1, 1} << QByteArray("++--") << L {6, 6, 1, 1};
        QTest::newRow("frequency 10 up") << L {5, 5, 5, 10} << QByteArray("++++") << L {6, 6, 6, 10};
        QTest::newRow("amplitude 10 up") << L {5, 10, 5, 5} << QByteArray("++++") << L {6, 10, 6, 6};
        QTest::newRow("below 0 mid-step, clamped once at the end")
            << L {1, 5, 1, 5} << QByteArray("-+-+-+-+++++") << L {0, 8, 1, 8};
    }

    void nudgeAndClamp()
    {
        QFETCH(QList<int>, start);
        QFETCH(QByteArray, signs);
        QFETCH(QList<int>, expected);
        ScriptedRandom random;
        PatternEngine engine(random);
        engine.load();
        PatternState &state = engine.state();
        state.kansuu = 1;
        state.henka = std::int16_t(signs.size() / 4 - 1);
        std::int16_t *fields[] = {&state.xAmp[0], &state.yAmp[0], &state.xFreq[0], &state.yFreq[0]};
        for (int f = 0; f < 4; ++f)
            *fields[f] = std::int16_t(start[f]);
        for (int pass = 0; pass < signs.size() / 4; ++pass) {
            for (int s = 0; s < 4; ++s)
                random.queue(signs[pass * 4 + s] == '+' ? 0.75f : 0.25f);
            random.queue({belowOne, belowOne, belowOne, belowOne});
        }

        engine.stepPattern();
        QCOMPARE(random.pending(), 0);
        for (int f = 0; f < 4; ++f)
            QCOMPARE(int(*fields[f]), expected[f]);
    }

    void plotRoundsAndClips_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("onSurface");
        QTest::addColumn<int>("px");
        QTest::addColumn<int>("py");
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("halves to even") << 2.5f << 3.5f << true << 2 << 4;
        QTest::newRow("nearest") << 10.49f << 10.51f << true << 10 << 11;
        QTest::newRow("-0.5 rounds onto 0") << -0.5f << 0.0f << true << 0 << 0;
        QTest::newRow("just past -0.5") << std::nextafter(-0.5f, -1.0f) << 5.0f << false << 0 << 0;
        QTest::newRow("629.5 rounds off") << 100.0f << 629.5f << false << 0 << 0;
        QTest::newRow("628.5 and 629.49") << 628.5f << 629.49f << true << 628 << 629;
        QTest::newRow("630") << 630.0f << 1.0f << false << 0 << 0;
        QTest::newRow("huge") << 3e38f << -3e38f << false << 0 << 0;
        QTest::newRow("beyond long long") << 1e20f << 10.0f << false << 0 << 0;
        QTest::newRow("infinite") << -inf << inf << false << 0 << 0;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 5.0f << false << 0 << 0;
    }

    void plotRoundsAndClips()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, onSurface);
        QFETCH(int, px);
        QFETCH(int, py);
        Picture picture;
        picture.plot(x, y, colourValue(0x12, 0x34, 0x56));
        const PixelRect changed = picture.takeChangedArea();
        const std::uint32_t *bits = picture.bits();
        QCOMPARE(std::count(bits, bits + Picture::side * Picture::side, Picture::background),
                 Picture::side * Picture::side - (onSurface ? 1 : 0));
        QCOMPARE(changed.isEmpty(), !onSurface);
        if (onSurface) {
            QCOMPARE(picture.pixel(px, py), 0xff123456u);
            QVERIFY(changed.left == px && changed.right == px && changed.top == py && changed.bottom == py);
        }
    }

    void changedArea()
    {
        Picture picture;
        QVERIFY(picture.takeChangedArea().isEmpty());
        picture.plot(10.0f, 20.0f, 1);
        picture.plot(5.0f, 600.0f, 1);
        picture.plot(700.0f, 700.0f, 1);
        const PixelRect changed = picture.takeChangedArea();
        QVERIFY(changed.left == 5 && changed.top == 20 && changed.right == 10 && changed.bottom == 600);
        QVERIFY(picture.takeChangedArea().isEmpty());
        picture.clear();
        QCOMPARE(picture.pixel(10, 20), Picture::background);
        const PixelRect cleared = picture.takeChangedArea();
        QVERIFY(cleared.left == 0 && cleared.top == 0 && cleared.right == 629 && cleared.bottom == 629);
    }
};

QTEST_APPLESS_MAIN(PatternTest)
#include "tst_pattern.moc"
