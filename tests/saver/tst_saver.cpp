#include "saver/ExitRule.h"
#include "saver/PictureFrame.h"
#include "saver/SaverCommand.h"
#include "saver/SaverSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Mode = SaverCommand::Mode;
Q_DECLARE_METATYPE(Mode)
using Bounds = QList<int>;

static std::vector<std::string> words(const QStringList &arguments)
{
    std::vector<std::string> words(arguments.size());
    std::transform(arguments.begin(), arguments.end(), words.begin(), [](const QString &a) { return a.toStdString(); });
    return words;
}

static QRect rect(const kaleidra::PixelRect &r) { return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)); }

class SaverTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<quint64>("window");

        const QString unset;
        const auto accepted = [](const char *name, const QStringList &arguments, const QString &environment, Mode mode, quint64 window) {
            QTest::newRow(name) << arguments << environment << true << mode << window;
        };
        accepted("nothing", {}, unset, Mode::Settings, 0);
        accepted("/c", { "/c" }, unset, Mode::Settings, 0);
        accepted("/c:123", { "/c:123" }, unset, Mode::Settings, 123);
        accepted("/s", { "/s" }, unset, Mode::FullScreen, 0);
        accepted("/p 123", { "/p", "123" }, unset, Mode::Preview, 123);
        accepted("/P:123", { "/P:123" }, unset, Mode::Preview, 123);
        accepted("-root", { "-root" }, unset, Mode::Root, 0);
        accepted("-window-id decimal", { "-window-id", "4194313" }, unset, Mode::Window, 4194313);
        accepted("--window-id hex", { "--window-id", "0xa" }, unset, Mode::Window, 0xa);
        accepted("environment", {}, "0x400009", Mode::Window, 0x400009);
        accepted("environment beside -root", { "-root" }, "77", Mode::Window, 77);
        accepted("-window-id before environment", { "-window-id", "5" }, "77", Mode::Window, 5);
        accepted("-window-id wins over -root", { "--root", "--window-id", "0x800B37" }, "0x800B37", Mode::Window, 0x800B37);
        accepted("-window-id before -root", { "-window-id", "5", "-root" }, unset, Mode::Window, 5);
        accepted("one window named twice", { "-window-id", "5", "-window-id", "0x5" }, unset, Mode::Window, 5);
        accepted("the largest number", { "-window-id", "18446744073709551615" }, unset, Mode::Window, 18446744073709551615u);

        const QList<QStringList> refused {
            { "/p" }, { "/p:" }, { "/p", "12abc" }, { "/p", "0" }, { "/c:x" }, { "/sx" },
            { "-window-id" }, { "-window-id", "-5" }, { "-window-id", "0x" }, { "-window-id", "99999999999999999999" },
            { "-root", "/s" }, { "-window-id", "1", "-window-id", "2" }, { "-root", "-window-id", "1", "/s" }, { "-red-min", "256" }, { "-interval", "5" }, { "-interval" }, { "--frobnicate" },
        };
        for (const QStringList &arguments : refused)
            QTest::newRow(qPrintable(arguments.join(' '))) << arguments << unset << false << Mode::Settings << quint64(0);
        QTest::newRow("bad environment") << QStringList {} << "window" << false << Mode::Settings << quint64(0);
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(bool, accepted);
        QFETCH(Mode, mode);
        QFETCH(quint64, window);

        const SaverCommandResult result = parseSaverCommand(words(arguments), environment.isNull() ? nullptr : environment.toStdString().c_str());
        QCOMPARE(result.error.empty(), accepted);
        QVERIFY(accepted || result.error.find("使い方") != std::string::npos);
        QCOMPARE(result.command.mode, mode);
        QCOMPARE(quint64(result.command.window), window);
    }

    // Options from XScreenSaver's settings override the stored ones; a
    // minimum above its maximum yields to it. Six bounds, then the interval.
    void settingsReadBack_data()
    {
        QTest::addColumn<Bounds>("written");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Bounds>("read");

        QTest::newRow("as written") << Bounds { 5, 250, 30, 40, 0, 0, 600 } << QStringList {} << Bounds { 5, 250, 30, 40, 0, 0, 600 };
        QTest::newRow("out of range") << Bounds { -3, 300, 200, 100, 7, 7, 1 } << QStringList {} << Bounds { 0, 255, 100, 100, 7, 7, 10 };
        QTest::newRow("options") << Bounds { 5, 250, 30, 40, 0, 0, 600 } << QStringList { "--green-min", "90", "-blue-max", "9", "-interval", "3600" }
                                 << Bounds { 5, 250, 40, 40, 0, 9, 3600 };
    }

    void settingsReadBack()
    {
        QFETCH(Bounds, written);
        QFETCH(QStringList, options);
        QFETCH(Bounds, read);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("saver.ini"));
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(SaverSettings::read(store).bounds, (std::array<int, 6> { 0, 255, 0, 255, 0, 255 }));
            SaverSettings settings;
            std::copy(written.begin(), written.begin() + 6, settings.bounds.begin());
            settings.intervalSeconds = written[6];
            QVERIFY(settings.write(store));
        }
        QSettings store(path, QSettings::IniFormat);
        SaverSettings settings = SaverSettings::read(store);
        settings.applyOptions(parseSaverCommand(words(QStringList("-root") + options), nullptr).command);
        QCOMPARE(Bounds(settings.bounds.begin(), settings.bounds.end()) << settings.intervalSeconds, read);
    }

    // Only a move of more than ten pixels from where the pointer stood ends the
    // saver, and never the first, which the system reports as the window appears.
    void exitRule()
    {
        ExitRule still(100, 100);
        for (const QPoint at : { QPoint(100, 100), QPoint(110, 100), QPoint(100, 90), QPoint(106, 108) })
            QVERIFY(!still.endsOnMove(at.x(), at.y()));
        ExitRule diagonal(100, 100);
        QVERIFY2(!diagonal.endsOnMove(500, 300), "the first move ended the saver");
        QVERIFY2(diagonal.endsOnMove(108, 108), "a move of more than ten pixels did not end the saver");
    }

    void frame_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("cornerShows"); // the picture pixels under the top right corner's screen pixel

        QTest::newRow("1440p") << QSize(2560, 1440) << 2 << QRect(650, 90, 1260, 1260) << QRect(629, 0, 1, 1);
        QTest::newRow("portrait 1260") << QSize(1260, 2000) << 2 << QRect(0, 370, 1260, 1260) << QRect(629, 0, 1, 1);
        QTest::newRow("1259 wide") << QSize(1259, 2000) << 1 << QRect(314, 685, 630, 630) << QRect(629, 0, 1, 1);
        QTest::newRow("preview") << QSize(152, 112) << 1 << QRect(20, 0, 112, 112) << QRect(624, 0, 6, 6);
    }

    // The picture pixels a repaint covers, and the screen pixels a changed picture pixel covers.
    void frame()
    {
        QFETCH(QSize, screen);
        QFETCH(int, scale);
        QFETCH(QRect, frame);
        QFETCH(QRect, cornerShows);
        QCOMPARE(PictureFrame::wholeScale(screen.width(), screen.height()), scale);
        const PictureFrame placed = PictureFrame::centredIn(screen.width(), screen.height());
        QCOMPARE(QRect(placed.x, placed.y, placed.side, placed.side), frame);

        const kaleidra::PixelRect onScreen = placed.toScreen({ 629, 0, 629, 0 });
        QCOMPARE(rect(onScreen), QRect(frame.right() - scale + 1, frame.top(), scale, scale));
        QCOMPARE(rect(placed.toPicture(onScreen)), cornerShows);
        QCOMPARE(rect(placed.toPicture({ 0, 0, screen.width() - 1, screen.height() - 1 })), QRect(0, 0, 630, 630));
    }
};

QTEST_GUILESS_MAIN(SaverTest)
#include "tst_saver.moc"
