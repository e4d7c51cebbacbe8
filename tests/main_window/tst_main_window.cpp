#include "main_window/MainWindow.h"
#include "help/AboutWindow.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"
#include "pattern/ClockRandom.h"
#include "system/DisplayScale.h"
#include "widgets/Icons.h"
#include "widgets/JapaneseUi.h"
#include "widgets/WindowPlacement.h"

#include "ReferencePicture.h"
#include "ScriptedRandom.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>

static const char *const rows[] = { "redMinimum", "redMaximum", "greenMinimum", "greenMaximum", "blueMinimum", "blueMaximum" };

// Holds every QTimer still, the window's clock among them: the figures drawn
// are the test's own ticks, however slowly the test runs.
class StoppedClocks : public QObject {
    bool eventFilter(QObject *receiver, QEvent *event) override { return event->type() == QEvent::Timer && qobject_cast<QTimer *>(receiver); }
};

class MainWindowTest : public QObject {
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
        QCOMPARE(::fittingScale(workArea, frame, desktop, MainWindow::designSize), expected);
    }

    // QT_SCALE_FACTOR as the program takes it: a factor Qt cannot draw at, or one no screen holds, as unset.
    void userScale_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<qreal>("factor"); // 0 where there is none
        for (const char *unusable : { "0", "-1", "nan", "inf", "1e9", "8.001", "0.249", "1,5" })
            QTest::newRow(unusable) << unusable << 0.0;
        for (const qreal usable : { 0.25, 1.2, 8.0 })
            QTest::addRow("%g", usable) << QString::number(usable) << usable;
    }

    void userScale()
    {
        QFETCH(QString, given);
        QFETCH(qreal, factor);
        QCOMPARE(usableScaleFactor(given).value_or(0), factor);
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
        kaleidra::ClockRandom random(23);
        MainWindow window(random);
        StoppedClocks stopped;
        qApp->installEventFilter(&stopped);

        QWidget *shown = &window;
        HelpViewer help;
        window.move((*on)->geometry().topLeft());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (state == "drawing" || state == "stopped") {
            window.findChild<QPushButton *>("runButton")->click();
            for (int tick = 0; tick < 30; ++tick)
                QMetaObject::invokeMethod(&window, "tick");
            if (state == "stopped")
                window.findChild<QPushButton *>("runButton")->click();
        } else if (state == "keyboard") {
            // Tab reaches red maximum before red minimum; ← and → move it a step (→ first undoing ←, as
            // it could not at the end of the range), Page Up a page back.
            for (const Qt::Key key : { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp })
                QTest::keyClick(QApplication::focusWidget(), key);
        } else if (state == "about") {
            window.findChild<QAction *>("aboutAction")->trigger();
            shown = window.findChild<AboutWindow *>();
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
        QTRY_VERIFY2(!window.findChild<AboutWindow *>(), "About stayed open");
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(&window));
    }

    // The pen colour is drawn red, green, then blue, the largest draw below 1 giving 255, not 256;
    // the rest of the start values show in the window's pictures.
    void startValues()
    {
        kaleidra::ScriptedRandom random({ 0.5f, std::nextafter(1.0f, 0.0f), 0.75f });
        MainWindow window(random);
        const kaleidra::ColourLevels &pen = window.engine().state().pen.level;
        QCOMPARE((QList<int> { pen.red, pen.green, pen.blue, random.draws() }), (QList<int> { 128, 255, 192, 3 }));
        QVERIFY2(kaleidra::ClockRandom().next() != kaleidra::ClockRandom().next(), "each start of the program draws the same numbers");
    }

    // A fixed size, a close button only, and an icon, which the help viewer has too.
    void frame()
    {
        kaleidra::ScriptedRandom random;
        MainWindow window(random);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint), Qt::WindowCloseButtonHint);
        QVERIFY2(!window.windowIcon().isNull(), "the main window has no icon");
        QVERIFY2(!HelpViewer().windowIcon().isNull(), "the help viewer has no icon");
        // Each size the desktop asks for is drawn for it, none scaled from another.
        const QList<QSize> sizes { { 16, 16 }, { 24, 24 }, { 32, 32 }, { 40, 40 }, { 48, 48 }, { 64, 64 } };
        QCOMPARE(Icons::picture().availableSizes(), sizes);
        QCOMPARE(Icons::program().availableSizes(), (sizes + QList<QSize> { { 128, 128 }, { 256, 256 } }));
    }

    // A screen reader meets the drawing area as a canvas of that name.
    void canvas()
    {
        kaleidra::ScriptedRandom random;
        MainWindow window(random);
        const QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(window.findChild<QWidget *>("drawingArea"));
        QCOMPARE(canvas->role(), QAccessible::Canvas);
        QCOMPARE(canvas->text(QAccessible::Name), QStringLiteral("描画領域"));
    }

    // A help file as large as the limit is read; one a byte larger is refused, saying the limit, and so
    // are a folder and a file whose reading fails, as a process's own memory does from address 0 (on Linux;
    // Windows finds no such file, nor the next).
    void helpFileLimit()
    {
        QTemporaryFile large;
        QVERIFY(large.open());
        QVERIFY(large.resize(HelpFile::sizeLimit));
        QVERIFY2(HelpFile::read(large.fileName()).ok(), "a file as large as the limit is refused");
        QVERIFY(large.resize(HelpFile::sizeLimit + 1));
        const QString failure = HelpFile::read(large.fileName()).failure;
        QVERIFY2(failure.contains("（1024 KB まで）"), qPrintable(failure));
        QVERIFY2(!HelpFile::read(QDir::tempPath()).ok(), "a folder is read as help");
        QVERIFY2(!HelpFile::read("/proc/self/mem").ok(), "a failed read is taken for help");
        // A file that cannot even be opened, though an administrator runs the test.
        QVERIFY2(!HelpFile::read("/sys/bus/platform/drivers_probe").ok(), "a file that cannot be opened is taken for help");
    }

    // Help beside a main window at the left of a screen two pixels too narrow
    // for the whole viewer right of the window (flush with its right edge,
    // below the menu bar), centred (below the colour controls) and at the
    // right (at the screen's left edge), and nowhere clear on a small screen.
    // Windows a quarter of a 1366-pixel screen in: W\2 − W\4 truncates
    // twice, so it is not W\4.
    void placement()
    {
        QCOMPARE(WindowPlacement::quarterPlacement({ 20490, 11520 }), QPoint(5123, 2880));
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
        // Left of a window that leaves no room at its right.
        QCOMPARE(HelpViewer::placement({ 0, 0, 1920, 1000 }, { 1100, 0, 849, 694 }, { { 1100, 0, 849, 694 } }, { 432, 645 }), QRect(668, 0, 432, 645));
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
        MainWindow window(random);
        const auto slider = [&window](int row) { return window.findChild<QScrollBar *>(rows[row] + QStringLiteral("Slider")); };
        const kaleidra::PatternState &s = window.engine().state();
        const std::int16_t *const bounds[] = { &s.bounds.minimum.red, &s.bounds.maximum.red, &s.bounds.minimum.green, &s.bounds.maximum.green, &s.bounds.minimum.blue, &s.bounds.maximum.blue };
        // A value of its own for each row, so that a slider yielding to another row's partner shows.
        for (int row = 0; row < 6; ++row) {
            slider(row ^ 1)->setValue(100 - row);
            slider(row)->triggerAction(row % 2 ? QScrollBar::SliderToMinimum : QScrollBar::SliderToMaximum);
            QCOMPARE(slider(row)->value(), 100 - row);
            QCOMPARE(window.findChild<QLabel *>(rows[row] + QStringLiteral("Readout"))->text(), QString::number(100 - row));
            QCOMPARE(window.findChild<QLabel *>(rows[row] + QStringLiteral("Caption"))->buddy(), slider(row));
            QCOMPARE(int(*bounds[row]), 100 - row);
        }
        slider(4)->setSliderDown(true);
        slider(4)->setSliderPosition(50);
        QCOMPARE(*bounds[4], 95);
        slider(4)->setSliderDown(false);
        QCOMPARE(*bounds[4], 50);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
