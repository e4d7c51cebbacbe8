#include "ReferenceRenderer.h"
#include "ScriptedRandom.h"
#include "pattern/PatternEngine.h"
#include "pattern/PatternRenderer.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace kaleidra;
using L = QList<int>;

const float belowHalf = std::nextafter(0.5f, 0.0f);
const float belowOne = std::nextafter(1.0f, 0.0f);

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
        const std::uint32_t *bits = picture.bits();
        const int blank = int(std::count(bits, bits + Picture::side * Picture::side, Picture::background));
        QCOMPARE(blank, Picture::side * Picture::side - int(pixel.size()) / 2);
        QCOMPARE(changed.isEmpty(), pixel.isEmpty());
        if (pixel.isEmpty())
            return;
        QCOMPARE(picture.pixel(pixel[0], pixel[1]), 0xff123456u);
        QCOMPARE((L {changed.left, changed.top, changed.right, changed.bottom}), pixel + pixel);
        QVERIFY(changed.width() == 1 && changed.height() == 1);
    }
};

QTEST_APPLESS_MAIN(PatternTest)
#include "tst_pattern.moc"
