#include "main_window/Form1.h"
#include "about/HelpFile.h"
#include "about/HelpViewer.h"
#include "about/frmAbout.h"
#include "platform/ClockRandom.h"
#include "platform/DisplayScale.h"
#include "platform/Icons.h"
#include "platform/JapaneseUi.h"
#include "platform/Twips.h"

#include "ReferencePicture.h"
#include "ScriptedRandom.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>

static const char *const sliders[] = { "HScroll1", "HScroll2", "HScroll3", "HScroll4", "HScroll5", "HScroll6" };
static const char *const captions[] = { "Label8", "Label9", "Label10", "Label11", "Label12", "Label14" };
static const char *const readouts[] = { "lab_R1", "lab_R2", "lab_G1", "lab_G2", "lab_B1", "lab_B2" };

// Holds every QTimer still, the window's clock among them: the figures drawn
// are the test's own ticks, however slowly the test runs.
class StoppedClocks : public QObject {
    bool eventFilter(QObject *receiver, QEvent *event) override { return event->type() == QEvent::Timer && qobject_cast<QTimer *>(receiver); }
};

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseUi(*qApp); }

    // 1080- and 1440-line screens less a 48-line panel, with openbox's frame,
    // whose caption grows with the desktop's text.
    void fittingScale_data()
    {
        QTest::addColumn<QSize>("workArea");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<qreal>("desktop");
        QTest::addColumn<qreal>("expected");
        const QSize fullHd(1920, 1032);
        QTest::newRow("1080p 150 %: 1010 lines and the frame miss by one") << fullHd << QMargins(1, 22, 1, 1) << 1.5 << 1.25;
        QTest::newRow("1080p at 110 dpi keeps its own scale") << fullHd << QMargins(1, 21, 1, 1) << 110 / 96.0 << 110 / 96.0;
        QTest::newRow("1080p at 220 dpi: the quarter below, then quarters") << fullHd << QMargins(1, 30, 1, 1) << 220 / 96.0 << 1.25;
        QTest::newRow("too small steps down too, to an exact fit") << QSize(1271, 1010) << QMargins() << 2.0 << 1.5;
        QTest::newRow("a factor below 1 the user set, on a screen too small for 1") << QSize(800, 600) << QMargins() << 0.5 << 1.0;
    }

    void fittingScale()
    {
        QFETCH(QSize, workArea);
        QFETCH(QMargins, frame);
        QFETCH(qreal, desktop);
        QFETCH(qreal, expected);
        QCOMPARE(::fittingScale(workArea, frame, desktop, Form1::designSize), expected);
    }

    // Each window in each of its states as the screen shows it, on screens of
    // 100 %, 125 % and 150 % (the test's screens.json). The picture is drawn by the
    // window's own timer handler from a fixed seed and repainted only where it
    // changed, as it is while the program runs.
    void looks_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("state");
        for (const int dpi : { 96, 120, 144 })
            for (const char *state : { "start", "drawing", "stopped", "keyboard", "about", "help", "help-missing" })
                QTest::addRow("%s-%d", state, dpi) << dpi << state;
    }

    void looks()
    {
        QFETCH(int, dpi);
        QFETCH(QString, state);
        const QList<QScreen *> screens = qApp->screens();
        const auto on = std::find_if(screens.cbegin(), screens.cend(),
                                     [dpi](const QScreen *s) { return s->name() == QStringLiteral("%1 dpi").arg(dpi); });
        QVERIFY2(on != screens.cend(), "run with the platform's configfile=screens.json");
        ClockRandom random(23);
        Form1 window(random);
        StoppedClocks stopped;
        qApp->installEventFilter(&stopped);

        QWidget *shown = &window;
        HelpViewer help;
        window.move((*on)->geometry().topLeft());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (state == "drawing" || state == "stopped") {
            window.findChild<QPushButton *>("comstart")->click();
            for (int tick = 0; tick < 30; ++tick)
                QMetaObject::invokeMethod(&window, "Timer1_Timer");
            if (state == "stopped")
                window.findChild<QPushButton *>("comstart")->click();
        } else if (state == "keyboard") {
            // Tab reaches red maximum before red minimum; ← and → move it a step (→ first undoing ←, as
            // it could not at the end of the range), Page Up a page back.
            for (const Qt::Key key : { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp })
                QTest::keyClick(QApplication::focusWidget(), key);
        } else if (state == "about") {
            window.findChild<QAction *>("mnuVersion")->trigger();
            shown = window.findChild<frmAbout *>();
            QCOMPARE(shown->pos(), (*on)->geometry().topLeft() + QPoint((*on)->size().width() / 4, (*on)->size().height() / 4));
        } else if (state == "help-missing") {
            shown = &help;
            help.showContents("/nonexistent/kaleidra.hlp");
            // Pushed over the screen's corner before it is first active, as a wider frame would, it shrinks where it stands.
            help.move(help.screen()->availableGeometry().bottomRight() - QPoint(399, 299));
        } else if (state == "help") {
            // F1 opens the help file beside the program once Help > Contents, the Help menu's first item, has queued it.
            const auto viewer = [] { return qobject_cast<HelpViewer *>(QApplication::activeWindow()); };
            QTest::keyClick(&window, Qt::Key_F1);
            QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            QVERIFY2(!viewer(), "F1 opened help before Help > Contents, or inside its handler");
            QTRY_VERIFY(shown = viewer());
        }
        QVERIFY(QTest::qWaitForWindowActive(shown));
        // Posted repaints only: a timer tick would draw one more figure.
        QCoreApplication::sendPostedEvents();
        KALEIDRA_COMPARE_PICTURE(shown->grab().toImage(), QTest::currentDataTag());
        // The screen, repainted only where figures changed, shows what painting it all shows.
        const QImage screenShows = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screenShows, window.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(screenShows.rect()));
        // Enter closes About by its default button, Esc closes help, and the keyboard goes back to the main window.
        QTest::keyClick(shown, state == "about" ? Qt::Key_Return : Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activeWindow() == &window && !window.findChild<frmAbout *>());
    }

    // What the pictures cannot show: the start-up draws, the clock, the frame and
    // its icons, what a screen reader says, the help file's limit and the icons' sizes.
    void unseen()
    {
        kaleidra::ScriptedRandom random({ 0.5f, std::nextafter(1.0f, 0.0f), 0.75f });
        Form1 window(random);
        const kaleidra::PatternState &s = window.engine().state();
        QVERIFY(s.running == 0 && s.curR == 128 && s.curG == 255 && s.curB == 192 && random.draws() == 3);
        QVERIFY(s.kansuu == 9 && s.henka == 0 && s.bairitu == 5.0 && s.dirR + s.dirG + s.dirB == 0);
        QVERIFY2(ClockRandom().next() != ClockRandom().next(), "each start of the program draws the same numbers");
        QVERIFY(!window.windowIcon().isNull() && !HelpViewer().windowIcon().isNull());
        const QTimer *clock = window.findChild<QTimer *>("Timer1");
        QVERIFY(clock->isActive() && clock->interval() == 100 && clock->timerType() == Qt::PreciseTimer);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint), Qt::WindowCloseButtonHint);
        const QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(window.findChild<QWidget *>("Picture1"));
        QVERIFY(canvas->role() == QAccessible::Canvas && canvas->text(QAccessible::Name) == QStringLiteral("描画領域"));
        // A help file as large as the limit is read; one byte more is refused, saying the limit, and so is a folder.
        QTemporaryFile large;
        QVERIFY(large.open() && large.resize(HelpFile::sizeLimit) && HelpFile::read(large.fileName()).ok());
        QVERIFY(large.resize(HelpFile::sizeLimit + 1) && HelpFile::read(large.fileName()).failure.contains("（1024 KB まで）") && !HelpFile::read(QDir::tempPath()).ok());
        // So is a file whose reading fails, as a process's own memory does from address 0 (on Linux; Windows finds no such file).
        QVERIFY(!HelpFile::read("/proc/self/mem").ok());
        // Each size the desktop asks for is drawn for it, none scaled from another.
        const QList<QSize> sizes { { 16, 16 }, { 24, 24 }, { 32, 32 }, { 40, 40 }, { 48, 48 }, { 64, 64 } };
        QCOMPARE(Icons::picture().availableSizes(), sizes);
        QCOMPARE(Icons::program().availableSizes(), (sizes + QList<QSize> { { 128, 128 }, { 256, 256 } }));
    }

    // Help beside a main window at the left of a screen two pixels too narrow
    // for the whole viewer right of the window (flush with its right edge,
    // below the menu bar), centred (below the colour controls) and at the
    // right (at the screen's left edge), and nowhere clear on a small screen.
    // Windows a quarter of a 1366-pixel screen in: W\2 − W\4 truncates
    // twice, so it is not W\4.
    void placement()
    {
        QCOMPARE(Twips::quarterPlacement({ 20490, 11520 }), QPoint(5123, 2880));
        const QRect screen(0, 0, 1278, 1024);
        for (const auto &[at, expected] : { std::pair(QPoint(0, 0), QRect(846, 38, 432, 645)), std::pair(QPoint(214, 165), QRect(857, 412, 421, 612)),
                                            std::pair(QPoint(429, 0), QRect(0, 38, 432, 645)) }) {
            const QPoint client = at + QPoint(1, 38);
            const QList<QRect> controls { { at + QPoint(1, 20), QSize(847, 18) }, { client + QPoint(8, 8), QSize(634, 634) },
                                          { client + QPoint(648, 8), QSize(193, 201) } };
            QCOMPARE(HelpViewer::placement(screen, QRect(at, QSize(849, 694)), controls, QSize(432, 645)), expected);
        }
        // Right beside the window, not over its edge, and as narrow and as low as it may be.
        QCOMPARE(HelpViewer::placement({ 0, 0, 1169, 240 }, { 0, 0, 849, 694 }, { { 0, 0, 849, 694 } }, { 432, 645 }), QRect(849, 0, 320, 240));
        // Beside a window low on the screen, as high as it must be to show whole.
        QCOMPARE(HelpViewer::placement({ 0, 0, 1920, 1000 }, { 0, 500, 849, 500 }, {}, { 432, 645 }), QRect(849, 355, 432, 645));
        // Nowhere clear but a strip too narrow to read: beside the window, pushed back onto the screen.
        QCOMPARE(HelpViewer::placement({ 0, 0, 800, 600 }, { 0, 100, 849, 694 }, { { 0, 0, 600, 600 } }, { 432, 645 }), QRect(368, 0, 432, 600));
    }

    // Each slider, which its caption labels, moved past its partner springs
    // back to it, and a dragged one changes its bound only once let go.
    void sliderPairs()
    {
        kaleidra::ScriptedRandom random;
        Form1 window(random);
        const auto slider = [&window](int row) { return window.findChild<QScrollBar *>(sliders[row]); };
        const kaleidra::PatternState &s = window.engine().state();
        const std::int16_t *const bounds[] = { &s.minR, &s.maxR, &s.minG, &s.maxG, &s.minB, &s.maxB };
        // A value of its own for each row, so that a slider yielding to another row's partner shows.
        for (int row = 0; row < 6; ++row) {
            slider(row ^ 1)->setValue(100 - row);
            slider(row)->triggerAction(row % 2 ? QScrollBar::SliderToMinimum : QScrollBar::SliderToMaximum);
            QCOMPARE(slider(row)->value(), 100 - row);
            QCOMPARE(window.findChild<QLabel *>(readouts[row])->text(), QString::number(100 - row));
            QCOMPARE(window.findChild<QLabel *>(captions[row])->buddy(), slider(row));
            QCOMPARE(int(*bounds[row]), 100 - row);
        }
        slider(4)->setSliderDown(true);
        slider(4)->setSliderPosition(50);
        QCOMPARE(*bounds[4], 95);
        slider(4)->setSliderDown(false);
        QCOMPARE(*bounds[4], 50);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
