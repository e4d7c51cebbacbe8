#include "pattern/FixedPoint.h"
#include "pattern/PreciseTrigonometry.h"
#include "pattern/Trigonometry.h"

#include <QTest>

#include <cstring>
#include <mpfr.h>

using namespace kaleidra;
using Doubles = QList<double>;

// start, start + step, … added up one step at a time, as the renderer walks a phase.
static Doubles walk(double start, double step, int count)
{
    Doubles values;
    for (double value = start; values.size() < count; value = value + step)
        values << value;
    return values;
}

// The double nearest to each multiple of π/2 up to 2^20, where reducing the
// argument cancels the most bits; and those of them closer to it than 2^-51,
// the hardest of all (the closest, 45.55…, is 2^-60.5 away).
static std::pair<Doubles, Doubles> nearHalfPiMultiples()
{
    Doubles nearest;
    Doubles closest;
    mpfr_t halfPi, multiple, gap;
    mpfr_inits2(300, halfPi, multiple, gap, static_cast<mpfr_ptr>(nullptr));
    mpfr_const_pi(halfPi, MPFR_RNDN);
    mpfr_div_2ui(halfPi, halfPi, 1, MPFR_RNDN);
    for (unsigned long k = 1;; ++k) {
        mpfr_mul_ui(multiple, halfPi, k, MPFR_RNDN);
        const double x = mpfr_get_d(multiple, MPFR_RNDN);
        if (x > 0x1p20)
            break;
        nearest << x;
        mpfr_sub_d(gap, multiple, x, MPFR_RNDN);
        mpfr_abs(gap, gap, MPFR_RNDN);
        if (mpfr_cmp_ui_2exp(gap, 1, -51) < 0)
            closest << x;
    }
    mpfr_clears(halfPi, multiple, gap, static_cast<mpfr_ptr>(nullptr));
    return {nearest, closest};
}

// At 53 bits MPFR rounds the true value itself, once, to the nearest double.
static double correctlyRounded(int (*function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), double x)
{
    mpfr_t value;
    mpfr_init2(value, 53);
    mpfr_set_d(value, x, MPFR_RNDN);
    function(value, value, MPFR_RNDN);
    const double rounded = mpfr_get_d(value, MPFR_RNDN);
    mpfr_clear(value);
    return rounded;
}

static bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class TrigonometryTest : public QObject {
    Q_OBJECT

private slots:
    // Every sine and cosine the renderer's tables take, and more across and
    // beyond the walk's range, must be MPFR's correctly rounded value, bit for
    // bit; every preciseEvery-th also through the slow fixed-point path, which
    // the fast one seldom needs.
    void matchMpfr_data()
    {
        QTest::addColumn<Doubles>("arguments");
        QTest::addColumn<int>("preciseEvery");
        for (int frequency = 1; frequency <= 10; ++frequency)
            QTest::addRow("tables, frequency %d", frequency) << walk(0.0, double(frequency) / 10.0, 20002) << 997;
        QTest::newRow("whole numbers") << walk(1.0, 1.0, 64) << 1;
        QTest::newRow("across the walk") << walk(0.0, 0.2000123, 100003) << 97;
        QTest::newRow("from -2^20 to 2^20") << walk(-0x1p20, 0x1p21 / 20011, 20012) << 97;
        const auto [nearest, closest] = nearHalfPiMultiples();
        QTest::newRow("nearest to multiples of pi/2") << nearest << 61;
        QTest::newRow("closest to multiples of pi/2") << closest << 1;
    }

    void matchMpfr()
    {
        QFETCH(Doubles, arguments);
        QFETCH(int, preciseEvery);
        int wrong = 0;
        QString first;
        for (int i = 0; i < arguments.size(); ++i) {
            const double x = arguments[i];
            const double sin = correctlyRounded(mpfr_sin, x);
            const double cos = correctlyRounded(mpfr_cos, x);
            const SineCosine both = sineAndCosine(x);
            bool right = same(sine(x), sin) && same(cosine(x), cos) && same(both.sine, sin) && same(both.cosine, cos);
            if (i % preciseEvery == 0)
                right = right && same(preciseSine(x), sin) && same(preciseCosine(x), cos);
            if (!right && wrong++ == 0)
                first = QString::asprintf("%a", x);
        }
        QVERIFY2(wrong == 0, qPrintable(QString("%1 of %2 arguments wrong, the first %3").arg(wrong).arg(arguments.size()).arg(first)));
    }

    // Fixed point cuts its results off below the last word and nowhere else.
    void fixedPoint()
    {
        // A tie held in the lowest word alone, which no sine or cosine meets, goes to the even neighbour;
        QVERIFY(same((FixedPoint::powerOfTwo(-11, 1) += FixedPoint::powerOfTwo(-64, 1)).toDouble(), 0x1p-11));
        // a 1 two words below a tie breaks it upward.
        QVERIFY(same(((FixedPoint(3, 1) += FixedPoint::powerOfTwo(-53, 3)) += FixedPoint::powerOfTwo(-192, 3)).toDouble(), 1 + 0x1p-52));
        // (1 + 2^-64)(1 + 2^-128) keeps all but its 2^-192 at two words.
        const FixedPoint a = FixedPoint(2, 1) += FixedPoint::powerOfTwo(-64, 2);
        QVERIFY(same((a * (FixedPoint(2, 1) += FixedPoint::powerOfTwo(-128, 2)) -= a).toDouble(), 0x1p-128));
    }
};

QTEST_APPLESS_MAIN(TrigonometryTest)
#include "tst_trigonometry.moc"
