#include "main_window/Form1.h"
#include "main_window/PictureBox.h"
#include "pattern/Picture.h"
#include "platform/JapaneseUi.h"

#include "ScriptedRandom.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

using kaleidra::Picture;
using kaleidra::ScriptedRandom;

namespace {

const char *const sliders[] = { "HScroll1", "HScroll2", "HScroll3", "HScroll4", "HScroll5", "HScroll6" };
const char *const readouts[] = { "lab_R1", "lab_R2", "lab_G1", "lab_G2", "lab_B1", "lab_B2" };

int litPixels(const Picture &picture)
{
    int count = 0;
    for (int y = 0; y < Picture::side; ++y)
        for (int x = 0; x < Picture::side; ++x)
            count += picture.pixel(x, y) != Picture::background;
    return count;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseUi(*qApp); }
    void startUpState();
    void layout_data();
    void layout();
    void runCycle();
    void sliderPairs_data();
    void sliderPairs();
    void sliderReportsOnRelease();
    void tabOrder();
    void shownPictureIsThePicture();

private:
    template<typename T>
    static T *child(Form1 &window, const char *name)
    {
        T *widget = window.findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT_X(widget, "child", name);
        return widget;
    }
};

void TestForm1::startUpState()
{
    ScriptedRandom random;
    random.queue({ 0.5f, std::nextafter(1.0f, 0.0f), 0.0f });
    Form1 window(random);

    QCOMPARE(window.windowTitle(), QStringLiteral("カレイドラ"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.centralWidget()->size(), QSize(847, 655));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);

    QCOMPARE(child<QPushButton>(window, "comstart")->text(), QStringLiteral("スタート"));
    QVERIFY(!window.saveAction()->isEnabled());
    QVERIFY(child<QAction>(window, "mnuSaveAs")->isEnabled());

    const kaleidra::PatternState &state = window.engine().state();
    QCOMPARE(state.running, 0);
    QCOMPARE(state.curR, 128);
    QCOMPARE(state.curG, 255);
    QCOMPARE(state.curB, 0);
    QCOMPARE(random.draws(), 3);

    for (int row = 0; row < 6; ++row) {
        const int expected = row % 2 ? 255 : 0;
        QCOMPARE(child<QLabel>(window, readouts[row])->text(), QString::number(expected));
        QCOMPARE(child<QScrollBar>(window, sliders[row])->value(), expected);
    }
    QCOMPARE(litPixels(window.engine().picture()), 0);
}

void TestForm1::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("drawing area") << "Picture1" << QRect(8, 8, 634, 634);
    QTest::newRow("start button") << "comstart" << QRect(696, 8, 81, 41);
    for (int row = 0; row < 6; ++row) {
        const int top = 72 + 24 * row;
        QTest::newRow(sliders[row]) << sliders[row] << QRect(688, top, 121, 17);
        QTest::newRow(readouts[row]) << readouts[row] << QRect(816, top, 25, 17);
    }
}

void TestForm1::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    ScriptedRandom random;
    Form1 window(random);
    QWidget *widget = window.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (name == QLatin1String("Picture1")) {
        QCOMPARE(widget->contentsRect(), QRect(2, 2, 630, 630));
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("描画領域"));
    }
    if (name.startsWith(QLatin1String("lab_"))) {
        auto *label = static_cast<QLabel *>(widget);
        QVERIFY(label->alignment() & Qt::AlignRight);
        QCOMPARE(label->frameShape(), QFrame::Box);
        QCOMPARE(accessible->text(QAccessible::Name), label->text());
        // The number inside the border with a free column on either side; faint edge smoothing is no ink.
        const QImage shown = label->grab().toImage();
        const int scale = int(shown.devicePixelRatio());
        int inked = 0;
        for (int y = scale; y < 16 * scale; ++y)
            for (int x = scale; x < 24 * scale; ++x)
                if (qGray(shown.pixel(x, y)) < qGray(shown.pixel(scale, scale)) - 48) {
                    QVERIFY2(x >= 2 * scale && x < 23 * scale, qPrintable(QString("ink at column %1").arg(x)));
                    ++inked;
                }
        QVERIFY(inked > 10);
    }
}

void TestForm1::runCycle()
{
    ScriptedRandom random(0.3f);
    Form1 window(random);
    auto *comstart = child<QPushButton>(window, "comstart");
    const Picture &picture = window.engine().picture();

    QTest::mouseClick(comstart, Qt::LeftButton);
    QCOMPARE(comstart->text(), QStringLiteral("ストップ"));
    QCOMPARE(window.engine().state().running, 1);
    QCOMPARE(litPixels(picture), 0);

    // The window's own timer draws the first pattern within a tick or two.
    QTRY_VERIFY_WITH_TIMEOUT(litPixels(picture) > 0, 1000);

    QTest::mouseClick(comstart, Qt::LeftButton);
    QCOMPARE(comstart->text(), QStringLiteral("スタート"));
    const std::vector<std::uint32_t> stopped(picture.bits(), picture.bits() + Picture::side * Picture::side);
    QTest::qWait(350);
    QVERIFY(std::equal(stopped.begin(), stopped.end(), picture.bits()));

    QTest::mouseClick(comstart, Qt::LeftButton);
    QCOMPARE(litPixels(picture), 0);
}

void TestForm1::sliderPairs_data()
{
    QTest::addColumn<int>("moved");
    QTest::addColumn<int>("partnerValue");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expected");

    enum { Program, Key, TrackClick };
    // HScroll1..6 are indices 0..5; target is ignored for key and track inputs.
    QTest::newRow("red minimum above maximum springs back") << 0 << 150 << int(Program) << 200 << 150;
    QTest::newRow("blue maximum below minimum springs back") << 5 << 100 << int(Program) << 40 << 100;
    QTest::newRow("minimum onto maximum is accepted") << 2 << 120 << int(Program) << 120 << 120;
    QTest::newRow("End key pushes green minimum past maximum") << 2 << 90 << int(Key) << 0 << 90;
    QTest::newRow("track click pulls red maximum below minimum") << 1 << 5 << int(TrackClick) << 0 << 5;
    QTest::newRow("in range moves freely") << 4 << 255 << int(Program) << 77 << 77;
}

void TestForm1::sliderPairs()
{
    QFETCH(int, moved);
    QFETCH(int, partnerValue);
    QFETCH(int, input);
    QFETCH(int, target);
    QFETCH(int, expected);

    ScriptedRandom random;
    Form1 window(random);
    const int partner = moved ^ 1;
    const bool movedIsMinimum = moved % 2 == 0;
    auto *slider = child<QScrollBar>(window, sliders[moved]);
    auto *partnerSlider = child<QScrollBar>(window, sliders[partner]);
    auto bound = [&window](int index) {
        const kaleidra::PatternState &s = window.engine().state();
        const std::int16_t values[] = { s.minR, s.maxR, s.minG, s.maxG, s.minB, s.maxB };
        return int(values[index]);
    };

    partnerSlider->setValue(partnerValue);
    QCOMPARE(bound(partner), partnerValue);

    int changes = 0;
    connect(slider, &QScrollBar::valueChanged, this, [&changes] { ++changes; });
    switch (input) {
    case 0:
        slider->setValue(target);
        break;
    case 1:
        QTest::keyClick(slider, movedIsMinimum ? Qt::Key_End : Qt::Key_Home);
        break;
    default:
        for (int i = 0; i < 30; ++i)
            slider->triggerAction(movedIsMinimum ? QAbstractSlider::SliderPageStepAdd
                                                 : QAbstractSlider::SliderPageStepSub);
        break;
    }

    QVERIFY(changes > 0);
    QCOMPARE(slider->value(), expected);
    QCOMPARE(child<QLabel>(window, readouts[moved])->text(), QString::number(expected));
    QCOMPARE(bound(moved), expected);
    QCOMPARE(partnerSlider->value(), partnerValue);
    QCOMPARE(child<QLabel>(window, readouts[partner])->text(), QString::number(partnerValue));
    QCOMPARE(bound(partner), partnerValue);
}

void TestForm1::sliderReportsOnRelease()
{
    ScriptedRandom random;
    Form1 window(random);
    auto *slider = child<QScrollBar>(window, "HScroll3");
    auto *readout = child<QLabel>(window, "lab_G1");

    slider->setSliderDown(true);
    slider->setSliderPosition(100);
    QCOMPARE(readout->text(), QStringLiteral("0"));
    QCOMPARE(window.engine().state().minG, 0);

    slider->setSliderDown(false);
    QCOMPARE(readout->text(), QStringLiteral("100"));
    QCOMPARE(window.engine().state().minG, 100);
    QCOMPARE(slider->accessibleName(), QStringLiteral("緑最小"));
}

void TestForm1::tabOrder()
{
    ScriptedRandom random;
    Form1 window(random);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.pictureBox()->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.pictureBox()));

    QStringList visited;
    const QImage unfocused = child<QScrollBar>(window, "HScroll2")->grab().toImage();
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
        if (visited.last() == QLatin1String("HScroll2"))
            QVERIFY2(QApplication::focusWidget()->grab().toImage() != unfocused, "the focused slider looks unfocused");
    }
    QCOMPARE(visited, QStringList({ "comstart", "HScroll2", "HScroll1", "HScroll3", "HScroll4", "HScroll5",
                                    "HScroll6", "Picture1" }));
}

void TestForm1::shownPictureIsThePicture()
{
    ScriptedRandom random(0.7f);
    Form1 window(random);
    window.engine().toggleRun();
    window.engine().stepPattern();
    window.engine().stepPattern();

    const QImage shown = window.pictureBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shown.devicePixelRatio();
    const int scale = int(std::lround(ratio));
    QCOMPARE(qreal(scale), ratio);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(scale, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
    const Picture &picture = window.engine().picture();
    QVERIFY(litPixels(picture) > 1000);
    int mismatches = 0;
    for (int y = 0; y < Picture::side * scale; ++y)
        for (int x = 0; x < Picture::side * scale; ++x)
            mismatches += shown.pixel(x + 2 * scale, y + 2 * scale) != picture.pixel(x / scale, y / scale);
    QCOMPARE(mismatches, 0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
