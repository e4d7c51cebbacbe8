#include "ReferenceRenderer.h"
#include "ScriptedRandom.h"
#include "pattern/PatternEngine.h"
#include "pattern/PatternRenderer.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace kaleidra;
using Terms = PatternState::Terms;
using L = QList<int>;

const float belowHalf = std::nextafter(0.5f, 0.0f);
const float belowOne = std::nextafter(1.0f, 0.0f);

// The draw that makes randomWhole(r, 9) give index.
static float drawFor(int index) { return (float(index) + 0.5f) / 9.0f; }

class PatternTest : public QObject {
    Q_OBJECT

private slots:
    // The sets past the thousandth aim the scale so that 315 + scale × px (or
    // 280 + scale × py) cancels to next to 0 at the last upper point: its float
    // then keeps every bit of the walk, so a walk one ulp off shows (×0.1 for
    // /10, terms summed in another order), which rounding to float hides at
    // scale 5. The aim is taken twice, as the first is itself rounded.
    void matchesReference()
    {
        std::mt19937 generator(11);
        for (int set = 0; set < 1040; ++set) {
            const bool vertical = set % 2 == 1;
            const double origin = vertical ? 280.0 : 315.0;
            const auto lastUpper = [vertical](const RecordingSink &sink) {
                const PlottedPoint &point = sink.points[sink.points.size() - 2];
                return double(vertical ? point.y : point.x);
            };
            PatternState fast = sampleRunState(generator);
            for (int aim = 0; set >= 1000 && aim < 2; ++aim) {
                PatternState scratch = fast;
                RecordingSink probe;
                drawPattern(scratch, probe);
                fast.bairitu *= origin / (origin - lastUpper(probe));
            }
            RecordingSink reference;
            referenceDrawPattern(fast, reference);
            RecordingSink sink;
            drawPattern(fast, sink);
            QVERIFY2(samePoints(sink.points, reference.points), qPrintable(QString::number(set)));
            QVERIFY2(set < 1000 || std::abs(lastUpper(reference)) < 1e-9, "the aim missed 0");
        }
    }

    void colourBounces_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<L>("start"); // current, direction, low, high
        QTest::addColumn<int>("steps");
        QTest::addColumn<L>("expected"); // current, direction
        QTest::newRow("red reaches the top") << 0 << L {95, 0, 50, 100} << 1 << L {100, 0};
        QTest::newRow("red turns past the top") << 0 << L {95, 0, 50, 100} << 2 << L {100, 1};
        QTest::newRow("red comes back") << 0 << L {95, 0, 50, 100} << 3 << L {95, 1};
        QTest::newRow("green turns past the bottom") << 1 << L {60, 1, 50, 200} << 1 << L {50, 0};
        QTest::newRow("green steps 15 up") << 1 << L {100, 0, 50, 200} << 2 << L {130, 0};
        QTest::newRow("blue steps 15 down") << 2 << L {100, 1, 50, 200} << 2 << L {70, 1};
        QTest::newRow("min = max") << 2 << L {100, 0, 100, 100} << 3 << L {100, 1};
        QTest::newRow("top moved below red") << 0 << L {200, 1, 0, 100} << 1 << L {100, 1};
        QTest::newRow("bottom moved above green") << 1 << L {50, 1, 100, 255} << 1 << L {100, 0};
    }

    void colourBounces()
    {
        QFETCH(int, channel);
        QFETCH(L, start);
        QFETCH(int, steps);
        QFETCH(L, expected);
        PatternState state;
        const auto fields = colourFields(state, channel);
        for (int f = 0; f < 4; ++f)
            *fields[f] = std::int16_t(start[f]);
        for (int step = 0; step < steps; ++step)
            stepColour(state);
        QCOMPARE((L {*fields[0], *fields[1]}), expected);
    }

    void loadRunAndStop()
    {
        ScriptedRandom random(0.3f);
        random.queue({0.0f, 0.5f, belowOne});
        PatternEngine engine(random);
        engine.load();
        PatternState &state = engine.state();
        QCOMPARE(random.draws(), 3);
        // Start colours and bounds are checked through the main window.
        QVERIFY(state.running == 0 && state.bairitu == 5.0 && state.kansuu == 9 && state.henka == 0);

        engine.picture().plot(100.0f, 200.0f, colourValue(255, 255, 255));
        engine.picture().takeChangedArea();
        // Scrambled, so that a wrong term or field order lands on a wrong value.
        const auto value = [](int j) { return j * 5 % 9; };
        for (int j = 0; j < 36; ++j)
            random.queue({value(j) == 8 ? belowOne : drawFor(value(j))});
        QVERIFY(engine.toggleRun());
        QCOMPARE(random.draws(), 3 + 36);
        const Terms *terms[] = {&state.xAmp, &state.yAmp, &state.xFreq, &state.yFreq};
        for (int j = 0; j < 36; ++j)
            QCOMPARE(int((*terms[j % 4])[j / 4]), value(j) + 1);
        QCOMPARE(engine.picture().pixel(100, 200), Picture::background);
        const PixelRect cleared = engine.tick();
        QVERIFY(cleared.width() == Picture::side && cleared.height() == Picture::side);
        QCOMPARE(random.draws(), 3 + 36 + 8);

        QVERIFY(!engine.toggleRun());
        QVERIFY(engine.tick().isEmpty());
        QCOMPARE(random.draws(), 3 + 36 + 8);
    }

    // Two passes whose sign patterns tell every pair of sign draws apart, and
    // index draws that each pick a term of their own.
    void nudgeDrawOrder()
    {
        ScriptedRandom random;
        PatternEngine engine(random);
        engine.load();
        PatternState &state = engine.state();
        state.henka = 1;
        for (Terms *terms : {&state.xAmp, &state.yAmp, &state.xFreq, &state.yFreq})
            std::fill(terms->begin(), terms->begin() + 9, std::int16_t(5));
        random.queue({belowHalf, 0.5f, 0.7f, 0.2f, 0.0f, drawFor(2), drawFor(4), belowOne});
        random.queue({0.1f, 0.3f, 0.6f, 0.9f, drawFor(1), drawFor(3), drawFor(5), drawFor(7)});

        engine.stepPattern();
        QCOMPARE(random.draws(), 3 + 16);
        QCOMPARE(state.xAmp, (Terms {4, 4, 5, 5, 5, 5, 5, 5, 5}));
        QCOMPARE(state.yAmp, (Terms {5, 5, 6, 4, 5, 5, 5, 5, 5}));
        QCOMPARE(state.xFreq, (Terms {5, 5, 5, 5, 6, 6, 5, 5, 5}));
        QCOMPARE(state.yFreq, (Terms {5, 5, 5, 5, 5, 5, 5, 6, 4}));
    }

    void nudgeAndClamp_data()
    {
        // One term, so every index draw picks it; the signs go pass by pass.
        QTest::addColumn<L>("start");
        QTest::addColumn<QByteArray>("signs");
        QTest::addColumn<L>("expected");
        QTest::newRow("amplitudes stop at 0 and 10") << L {0, 10, 5, 5} << QByteArray("-+++") << L {0, 10, 6, 6};
        QTest::newRow("frequencies stop at 1 and 10") << L {5, 5, 1, 10} << QByteArray("++-+") << L {6, 6, 1, 10};
        QTest::newRow("clamped once, after all passes")
            << L {1, 5, 1, 5} << QByteArray("-+-+-+-+++++") << L {0, 8, 1, 8};
    }

    void nudgeAndClamp()
    {
        QFETCH(L, start);
        QFETCH(QByteArray, signs);
        QFETCH(L, expected);
        ScriptedRandom random;
        PatternEngine engine(random);
        PatternState &state = engine.state();
        state.kansuu = 1;
        state.henka = std::int16_t(signs.size() / 4 - 1);
        std::int16_t *fields[] = {&state.xAmp[0], &state.yAmp[0], &state.xFreq[0], &state.yFreq[0]};
        for (int f = 0; f < 4; ++f)
            *fields[f] = std::int16_t(start[f]);
        for (int pass = 0; pass < signs.size() / 4; ++pass) {
            for (int s = 0; s < 4; ++s)
                random.queue({signs[pass * 4 + s] == '+' ? 0.5f : belowHalf});
            random.queue({belowOne, belowOne, belowOne, belowOne});
        }

        engine.stepPattern();
        QCOMPARE(random.draws(), int(signs.size()) * 2);
        QCOMPARE((L {*fields[0], *fields[1], *fields[2], *fields[3]}), expected);
    }

    // Starts, stops and ticks from random states, fed the same draws as the
    // reference. The draws are often the ones next to where a sign or an
    // index turns over; few terms and extra passes make the same term take
    // several nudges and cross a bound on the way.
    void runCycleMatchesReference()
    {
        std::mt19937 generator(7);
        const float edges[] = {0.0f, belowHalf, 0.5f, belowOne};
        ScriptedRandom random;
        ScriptedRandom referenceRandom;
        PatternEngine engine(random);
        for (int set = 0; set < 2000; ++set) {
            PatternState expected = sampleRunState(generator);
            expected.kansuu = std::int16_t(1 + set % 9);
            expected.henka = std::int16_t(set / 9 % 4);
            expected.running = set % 7 == 0 ? 0 : 1;
            std::vector<float> draws(40);
            for (float &draw : draws)
                draw = generator() % 2 ? edges[generator() % 4] : float(generator() % (1 << 24)) / (1 << 24);
            random.queue(draws);
            referenceRandom.queue(draws);
            engine.state() = expected;
            if (set % 5 == 0) {
                QCOMPARE(engine.toggleRun(), expected.running == 0);
                referenceToggleRun(expected, referenceRandom);
            } else {
                engine.tick();
                referenceTick(expected, referenceRandom);
            }
            QVERIFY2(sameState(engine.state(), expected) && random.draws() == referenceRandom.draws(),
                     qPrintable(QString::number(set)));
        }
    }

    void plotRoundsAndClips_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<L>("pixel"); // empty when the point is off the surface
        QTest::newRow("halves to even") << 2.5f << 3.5f << L {2, 4};
        QTest::newRow("onto the edges") << -0.5f << 629.49f << L {0, 629};
        QTest::newRow("just past -0.5") << std::nextafter(-0.5f, -1.0f) << 5.0f << L {};
        QTest::newRow("629.5 rounds off") << 100.0f << 629.5f << L {};
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
        const std::uint32_t *bits = picture.bits();
        const int blank = int(std::count(bits, bits + Picture::side * Picture::side, Picture::background));
        QCOMPARE(blank, Picture::side * Picture::side - int(pixel.size()) / 2);
        QCOMPARE(changed.isEmpty(), pixel.isEmpty());
        if (pixel.isEmpty())
            return;
        QCOMPARE(picture.pixel(pixel[0], pixel[1]), 0xff123456u);
        QCOMPARE((L {changed.left, changed.top, changed.right, changed.bottom}), pixel + pixel);
    }
};

QTEST_APPLESS_MAIN(PatternTest)
#include "tst_pattern.moc"
