#include "main_window/Form1.h"
#include "pattern/Picture.h"

#include "ScriptedRandom.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <array>
#include <cmath>

using kaleidra::Picture;
using kaleidra::ScriptedRandom;

namespace {

const char *const sliders[] = { "HScroll1", "HScroll2", "HScroll3", "HScroll4", "HScroll5", "HScroll6" };
const char *const readouts[] = { "lab_R1", "lab_R2", "lab_G1", "lab_G2", "lab_B1", "lab_B2" };

int litPixels(const Picture &picture)
{
    const std::uint32_t *bits = picture.bits();
    return int(Picture::side * Picture::side - std::count(bits, bits + Picture::side * Picture::side, Picture::background));
}

template <typename T>
T *child(const Form1 &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT_X(widget, "child", name);
    return widget;
}

int bound(Form1 &window, int row)
{
    const kaleidra::PatternState &s = window.engine().state();
    return std::array<int, 6> { s.minR, s.maxR, s.minG, s.maxG, s.minB, s.maxB }[row];
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void startUpState()
    {
        ScriptedRandom random;
        random.queue({ 0.5f, std::nextafter(1.0f, 0.0f), 0.0f });
        Form1 window(random);

        QCOMPARE(window.windowTitle(), QStringLiteral("カレイドラ"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.centralWidget()->size(), QSize(847, 655));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!window.saveAction()->isEnabled());
        QCOMPARE(child<QPushButton>(window, "comstart")->text(), QStringLiteral("スタート"));
        QCOMPARE(child<QWidget>(window, "Picture1")->geometry(), QRect(8, 8, 634, 634));
        QCOMPARE(child<QWidget>(window, "Picture1")->contentsRect(), QRect(2, 2, 630, 630));
        QCOMPARE(child<QWidget>(window, "comstart")->geometry(), QRect(696, 8, 81, 41));

        const kaleidra::PatternState &state = window.engine().state();
        QVERIFY(state.running == 0 && state.curR == 128 && state.curG == 255 && state.curB == 0);
        QCOMPARE(random.draws(), 3);
        for (int row = 0; row < 6; ++row) {
            const int expected = row % 2 ? 255 : 0;
            auto *readout = child<QLabel>(window, readouts[row]);
            QCOMPARE(readout->text(), QString::number(expected));
            QCOMPARE(child<QScrollBar>(window, sliders[row])->value(), expected);
            QCOMPARE(child<QWidget>(window, sliders[row])->geometry(), QRect(688, 72 + 24 * row, 121, 17));
            QCOMPARE(readout->geometry(), QRect(816, 72 + 24 * row, 25, 17));
            QVERIFY(readout->alignment() & Qt::AlignRight && readout->frameShape() == QFrame::Box);
        }
        QCOMPARE(litPixels(window.engine().picture()), 0);
    }

    void runCycle()
    {
        ScriptedRandom random(0.3f);
        Form1 window(random);
        auto *comstart = child<QPushButton>(window, "comstart");
        const Picture &picture = window.engine().picture();

        QTest::mouseClick(comstart, Qt::LeftButton);
        QCOMPARE(comstart->text(), QStringLiteral("ストップ"));
        QCOMPARE(litPixels(picture), 0);
        // The window's own timer draws the first pattern within a tick or two.
        QTRY_VERIFY_WITH_TIMEOUT(litPixels(picture) > 0, 5000);

        QTest::mouseClick(comstart, Qt::LeftButton);
        QCOMPARE(comstart->text(), QStringLiteral("スタート"));
        const std::vector<std::uint32_t> stopped(picture.bits(), picture.bits() + Picture::side * Picture::side);
        QTest::qWait(350);
        QVERIFY(std::equal(stopped.begin(), stopped.end(), picture.bits()));

        QTest::mouseClick(comstart, Qt::LeftButton);
        QCOMPARE(litPixels(picture), 0);
    }

    void sliderPairs_data()
    {
        QTest::addColumn<int>("moved"); // HScroll1..6 are 0..5
        QTest::addColumn<int>("partnerValue");
        QTest::addColumn<int>("action"); // none: the program sets target
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("expected");
        QTest::newRow("red minimum above maximum springs back") << 0 << 150 << 0 << 200 << 150;
        QTest::newRow("blue maximum below minimum springs back") << 5 << 100 << 0 << 40 << 100;
        QTest::newRow("minimum onto maximum is accepted") << 2 << 120 << 0 << 120 << 120;
        QTest::newRow("End pushes green minimum past maximum") << 2 << 90 << int(QScrollBar::SliderToMaximum) << 0 << 90;
        QTest::newRow("Home takes red minimum to 0, not below") << 0 << 255 << int(QScrollBar::SliderToMinimum) << 0 << 0;
        QTest::newRow("a page steps blue minimum from 0 to 10") << 4 << 255 << int(QScrollBar::SliderPageStepAdd) << 0 << 10;
    }

    void sliderPairs()
    {
        QFETCH(int, moved);
        QFETCH(int, partnerValue);
        QFETCH(int, action);
        QFETCH(int, target);
        QFETCH(int, expected);
        ScriptedRandom random;
        Form1 window(random);
        const int partner = moved ^ 1;
        auto *slider = child<QScrollBar>(window, sliders[moved]);
        child<QScrollBar>(window, sliders[partner])->setValue(partnerValue);

        if (action == QScrollBar::SliderNoAction)
            slider->setValue(target);
        slider->triggerAction(QScrollBar::SliderAction(action));

        for (const auto &[row, value] : { std::pair(moved, expected), std::pair(partner, partnerValue) }) {
            QCOMPARE(child<QScrollBar>(window, sliders[row])->value(), value);
            QCOMPARE(child<QLabel>(window, readouts[row])->text(), QString::number(value));
            QCOMPARE(bound(window, row), value);
        }
    }

    void sliderReportsOnRelease()
    {
        ScriptedRandom random;
        Form1 window(random);
        auto *slider = child<QScrollBar>(window, "HScroll3");
        slider->setSliderDown(true);
        slider->setSliderPosition(100);
        QCOMPARE(bound(window, 2), 0);
        slider->setSliderDown(false);
        QCOMPARE(child<QLabel>(window, "lab_G1")->text(), QStringLiteral("100"));
        QCOMPARE(bound(window, 2), 100);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
