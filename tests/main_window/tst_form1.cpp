#include "main_window/Form1.h"
#include "about/frmAbout.h"
#include "main_window/PictureBox.h"
#include "platform/DisplayScale.h"
#include "platform/JapaneseUi.h"

#include "ScriptedRandom.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <array>
#include <cmath>

using kaleidra::ScriptedRandom;

namespace {

const char *const sliders[] = { "HScroll1", "HScroll2", "HScroll3", "HScroll4", "HScroll5", "HScroll6" };
const char *const readouts[] = { "lab_R1", "lab_R2", "lab_G1", "lab_G2", "lab_B1", "lab_B2" };

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
    // The program's own font, whose digits must fit the read-outs.
    void initTestCase() { installJapaneseUi(*qApp); }

    // 1080-, 1440- and 2160-line screens less a 48-line panel, with openbox's
    // frame, whose caption grows with the desktop's text, or a taller one.
    void fittingScale_data()
    {
        QTest::addColumn<QSize>("workArea");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<qreal>("desktop");
        QTest::addColumn<qreal>("expected");
        const QSize fullHd(1920, 1032), quadHd(2560, 1392), ultraHd(3840, 2112);
        QTest::newRow("1080p 100 %") << fullHd << QMargins(1, 20, 1, 1) << 1.0 << 1.0;
        QTest::newRow("1080p 125 %") << fullHd << QMargins(1, 22, 1, 1) << 1.25 << 1.25;
        QTest::newRow("1080p 150 %: 1010 lines and the frame do not fit") << fullHd << QMargins(1, 26, 1, 1) << 1.5 << 1.25;
        QTest::newRow("1080p 175 %") << fullHd << QMargins(1, 28, 1, 1) << 1.75 << 1.25;
        QTest::newRow("1080p 200 %") << fullHd << QMargins(1, 32, 1, 1) << 2.0 << 1.25;
        QTest::newRow("1440p 150 %") << quadHd << QMargins(1, 26, 1, 1) << 1.5 << 1.5;
        QTest::newRow("1440p 200 %") << quadHd << QMargins(1, 32, 1, 1) << 2.0 << 2.0;
        QTest::newRow("1440p 200 %, a caption of 62 lines") << quadHd << QMargins(16, 62, 16, 16) << 2.0 << 1.75;
        QTest::newRow("2160p 200 %") << ultraHd << QMargins(1, 32, 1, 1) << 2.0 << 2.0;
        QTest::newRow("2160p 250 %") << ultraHd << QMargins(1, 40, 1, 1) << 2.5 << 2.5;
        QTest::newRow("1080p at 110 dpi keeps its own scale") << fullHd << QMargins(1, 21, 1, 1) << 110 / 96.0 << 110 / 96.0;
        QTest::newRow("1080p at 220 dpi: the quarter below, then quarters") << fullHd << QMargins(1, 30, 1, 1) << 220 / 96.0 << 1.25;
        QTest::newRow("too narrow steps down too") << QSize(1366, 1392) << QMargins() << 2.0 << 1.5;
        QTest::newRow("1366 × 768 at 300 %: never below 1") << QSize(1366, 720) << QMargins(1, 45, 1, 1) << 3.0 << 1.0;
        QTest::newRow("a factor below 1 the user set") << fullHd << QMargins() << 0.5 << 1.0;
    }

    void fittingScale()
    {
        QFETCH(QSize, workArea);
        QFETCH(QMargins, frame);
        QFETCH(qreal, desktop);
        QFETCH(qreal, expected);
        QCOMPARE(::fittingScale(workArea, frame, desktop, Form1::designSize), expected);
    }

    // On screens of 125 % and 150 % (the test's screens.json) the windows
    // take the screen's scale, every label's text fits inside it without
    // spreading over its neighbours, in the main window and the About window,
    // and the picture, repainted only where it changed, shows no seams.
    void startUpState_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("125 %") << "120 dpi" << 1.25;
        QTest::newRow("150 %") << "144 dpi" << 1.5;
    }

    void startUpState()
    {
        QFETCH(QString, screen);
        QFETCH(qreal, scale);
        const auto found = std::find_if(qApp->screens().cbegin(), qApp->screens().cend(),
                                        [&](const QScreen *s) { return s->name() == screen; });
        QVERIFY2(found != qApp->screens().cend(), "no such screen: run with the platform's configfile=screens.json");
        ScriptedRandom random;
        random.queue({ 0.5f, std::nextafter(1.0f, 0.0f), 0.75f });
        Form1 window(random);

        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.centralWidget()->size(), QSize(847, 655));
        QCOMPARE(window.size(), Form1::designSize);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(int(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)),
                 int(Qt::WindowCloseButtonHint));
        QVERIFY(!window.saveAction()->isEnabled());
        QCOMPARE(child<QPushButton>(window, "comstart")->text(), QStringLiteral("スタート"));

        const kaleidra::PatternState &state = window.engine().state();
        QVERIFY(state.running == 0 && state.curR == 128 && state.curG == 255 && state.curB == 192);
        QVERIFY(state.kansuu == 9 && state.henka == 0 && state.bairitu == 5.0 && state.dirR + state.dirG + state.dirB == 0);
        QCOMPARE(random.draws(), 3);
        for (int row = 0; row < 6; ++row) {
            const int expected = row % 2 ? 255 : 0;
            auto *readout = child<QLabel>(window, readouts[row]);
            QCOMPARE(readout->text(), QString::number(expected));
            QCOMPARE(child<QScrollBar>(window, sliders[row])->value(), expected);
            QCOMPARE(bound(window, row), expected);
            QVERIFY(readout->alignment() & Qt::AlignRight && readout->frameShape() == QFrame::Box);
            QCOMPARE(QAccessible::queryAccessibleInterface(readout)->text(QAccessible::Name), readout->text());
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(window.pictureBox())->text(QAccessible::Name), QStringLiteral("描画領域"));

        auto *slider = child<QScrollBar>(window, "HScroll2");
        frmAbout about(&window);
        for (QWidget *shown : { static_cast<QWidget *>(&window), static_cast<QWidget *>(&about) }) {
            shown->setScreen(*found);
            shown->move((*found)->geometry().topLeft());
            shown->show();
            QVERIFY(QTest::qWaitForWindowActive(shown));
            QCOMPARE(shown->devicePixelRatioF(), scale);
            for (const QLabel *label : shown->findChildren<QLabel *>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                const QSize text = label->fontMetrics().size(0, label->text());
                const QRect room = label->contentsRect().adjusted(std::max(0, label->indent()), 0, 0, 0);
                QVERIFY2(room.width() >= text.width() && room.height() >= text.height(), qPrintable(label->objectName()));
                for (const QWidget *other : label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    QVERIFY2(other == label || !other->isVisible() || !other->geometry().intersects(label->geometry()),
                             qPrintable(label->objectName() + " meets " + other->objectName()));
            }
            if (shown != &window)
                continue;
            // Each number inside its border with a free column on either side,
            // in screen pixels; faint edge smoothing is no ink.
            const auto at = [scale](int designPixel) { return qRound(designPixel * scale); };
            for (const char *name : readouts) {
                const QImage number = child<QLabel>(window, name)->grab().toImage();
                int inked = 0;
                for (int y = at(1); y < at(16); ++y)
                    for (int x = at(1); x < at(24); ++x)
                        if (qGray(number.pixel(x, y)) < qGray(number.pixel(at(1), at(1))) - 48) {
                            QVERIFY2(x >= at(2) && x < at(23), qPrintable(QString("%1: ink at column %2").arg(name).arg(x)));
                            ++inked;
                        }
                QVERIFY(inked > 10);
            }
            const QImage unfocused = slider->grab().toImage();
            slider->setFocus();
            QVERIFY2(slider->grab().toImage() != unfocused, "the focused slider looks unfocused");
            // What the screen shows after figures repainted where they changed
            // is what repainting the whole picture shows.
            child<QPushButton>(window, "comstart")->click();
            QTest::qWait(5 * Form1::tickMilliseconds);
            const QImage figures = (*found)->grabWindow(window.winId()).toImage();
            window.pictureBox()->repaint();
            QCOMPARE((*found)->grabWindow(window.winId()).toImage(), figures);
        }
    }

    void sliderPairs_data()
    {
        QTest::addColumn<int>("moved"); // HScroll1..6 are 0..5
        QTest::addColumn<int>("partnerValue");
        QTest::addColumn<int>("input"); // a value dragged to, a key pressed, or minus a slider action
        QTest::addColumn<int>("expected");
        QTest::newRow("green maximum onto minimum is accepted") << 3 << 120 << 120 << 120;
        QTest::newRow("red maximum to the bottom springs back") << 1 << 5 << -QScrollBar::SliderToMinimum << 5;
        QTest::newRow("End pushes green minimum past maximum") << 2 << 90 << -QScrollBar::SliderToMaximum << 90;
        QTest::newRow("a page steps blue minimum from 0 to 10") << 4 << 255 << -QScrollBar::SliderPageStepAdd << 10;
        QTest::newRow("blue minimum above maximum springs back") << 4 << 30 << 31 << 30;
        QTest::newRow("→ raises red minimum by one") << 0 << 255 << int(Qt::Key_Right) << 1;
        QTest::newRow("← lowers green maximum by one") << 3 << 0 << int(Qt::Key_Left) << 254;
        QTest::newRow("green maximum below minimum springs back") << 3 << 30 << 29 << 30;
    }

    void sliderPairs()
    {
        QFETCH(int, moved);
        QFETCH(int, partnerValue);
        QFETCH(int, input);
        QFETCH(int, expected);
        ScriptedRandom random;
        Form1 window(random);
        const int partner = moved ^ 1;
        auto *slider = child<QScrollBar>(window, sliders[moved]);
        child<QScrollBar>(window, sliders[partner])->setValue(partnerValue);

        if (input > 255)
            QTest::keyClick(slider, Qt::Key(input));
        else if (input >= 0) {
            // A dragged slider reports its value once released.
            slider->setSliderDown(true);
            slider->setSliderPosition(input);
            QCOMPARE(bound(window, moved), moved % 2 ? 255 : 0);
            slider->setSliderDown(false);
        } else
            slider->triggerAction(QScrollBar::SliderAction(-input));

        for (const auto &[row, value] : { std::pair(moved, expected), std::pair(partner, partnerValue) }) {
            QCOMPARE(child<QScrollBar>(window, sliders[row])->value(), value);
            QCOMPARE(child<QLabel>(window, readouts[row])->text(), QString::number(value));
            QCOMPARE(bound(window, row), value);
        }
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    TestForm1 test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_form1.moc"
