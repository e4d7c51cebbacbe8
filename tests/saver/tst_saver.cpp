#include "ExitRule.h"
#include "PictureFrame.h"
#include "SaverCommand.h"
#include "SaverSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Mode = SaverCommand::Mode;
Q_DECLARE_METATYPE(Mode)
using Moves = QList<QPoint>;
using Bounds = QList<int>;

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
        QTest::newRow("nothing") << QStringList {} << unset << true << Mode::Settings << quint64(0);
        QTest::newRow("/c") << QStringList { "/c" } << unset << true << Mode::Settings << quint64(0);
        QTest::newRow("/c:123") << QStringList { "/c:123" } << unset << true << Mode::Settings << quint64(123);
        QTest::newRow("/s") << QStringList { "/s" } << unset << true << Mode::FullScreen << quint64(0);
        QTest::newRow("/S") << QStringList { "/S" } << unset << true << Mode::FullScreen << quint64(0);
        QTest::newRow("/p 123") << QStringList { "/p", "123" } << unset << true << Mode::Preview << quint64(123);
        QTest::newRow("/P:123") << QStringList { "/P:123" } << unset << true << Mode::Preview << quint64(123);
        QTest::newRow("-root") << QStringList { "-root" } << unset << true << Mode::Root << quint64(0);
        QTest::newRow("--root") << QStringList { "--root" } << unset << true << Mode::Root << quint64(0);
        QTest::newRow("-window-id decimal") << QStringList { "-window-id", "4194313" } << unset << true
                                            << Mode::Window << quint64(4194313);
        QTest::newRow("--window-id hex") << QStringList { "--window-id", "0x1a" } << unset << true << Mode::Window
                                         << quint64(0x1a);
        QTest::newRow("environment") << QStringList {} << "0x400009" << true << Mode::Window << quint64(0x400009);
        QTest::newRow("environment beside -root") << QStringList { "-root" } << "77" << true << Mode::Window
                                                  << quint64(77);
        QTest::newRow("-window-id before environment") << QStringList { "-window-id", "5" } << "77" << true
                                                       << Mode::Window << quint64(5);
        QTest::newRow("settings options") << QStringList { "-root", "-red-min", "10", "--blue-max", "200",
                                                           "-interval", "60" }
                                          << unset << true << Mode::Root << quint64(0);

        const QList<QStringList> refused {
            { "/x" }, { "/p" }, { "/p:" }, { "/p", "12abc" }, { "/p", "0" }, { "/c:x" }, { "/sx" },
            { "-window-id" }, { "-window-id", "-5" }, { "-window-id", "0x" }, { "-window-id", "99999999999999999999" },
            { "-root", "/s" }, { "-red-min", "256" }, { "-interval", "5" }, { "-interval" }, { "--frobnicate" },
        };
        for (const QStringList &arguments : refused)
            QTest::newRow(qPrintable(arguments.join(' '))) << arguments << unset << false << Mode::Settings
                                                           << quint64(0);
        QTest::newRow("bad environment") << QStringList {} << "window" << false << Mode::Settings << quint64(0);
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(bool, accepted);
        QFETCH(Mode, mode);
        QFETCH(quint64, window);

        std::vector<std::string> words;
        for (const QString &argument : arguments)
            words.push_back(argument.toStdString());
        const std::string variable = environment.toStdString();
        const SaverCommandResult result =
            parseSaverCommand(words, environment.isNull() ? nullptr : variable.c_str());
        QCOMPARE(result.error.empty(), accepted);
        if (!accepted) {
            QVERIFY(result.error.find("使い方") != std::string::npos);
            return;
        }
        QCOMPARE(result.command.mode, mode);
        QCOMPARE(quint64(result.command.window), window);
    }

    // Options from XScreenSaver's settings override the stored ones; a
    // minimum above its maximum yields to it.
    void settingsReadBack_data()
    {
        QTest::addColumn<Bounds>("written");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Bounds>("read");
        QTest::addColumn<int>("intervalRead");

        QTest::newRow("as written") << Bounds { 5, 250, 30, 40, 0, 0 } << 600 << QStringList {}
                                    << Bounds { 5, 250, 30, 40, 0, 0 } << 600;
        QTest::newRow("out of range") << Bounds { -3, 300, 200, 100, 7, 7 } << 1 << QStringList {}
                                      << Bounds { 0, 255, 100, 100, 7, 7 } << 10;
        QTest::newRow("options") << Bounds { 5, 250, 30, 40, 0, 0 } << 600
                                 << QStringList { "-red-max", "100", "-green-min", "90", "-interval", "3600" }
                                 << Bounds { 5, 100, 40, 40, 0, 0 } << 3600;
    }

    void settingsReadBack()
    {
        QFETCH(Bounds, written);
        QFETCH(int, interval);
        QFETCH(QStringList, options);
        QFETCH(Bounds, read);
        QFETCH(int, intervalRead);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("saver.ini"));
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(SaverSettings::read(store).bounds, (std::array<int, 6> { 0, 255, 0, 255, 0, 255 }));
            SaverSettings settings;
            std::copy(written.begin(), written.end(), settings.bounds.begin());
            settings.intervalSeconds = interval;
            QVERIFY(settings.write(store));
        }
        QSettings store(path, QSettings::IniFormat);
        SaverSettings settings = SaverSettings::read(store);
        std::vector<std::string> words { "-root" };
        for (const QString &option : options)
            words.push_back(option.toStdString());
        settings.applyOptions(parseSaverCommand(words, nullptr).command);
        QCOMPARE(Bounds(settings.bounds.begin(), settings.bounds.end()), read);
        QCOMPARE(settings.intervalSeconds, intervalRead);
    }

    void exitRule_data()
    {
        QTest::addColumn<Moves>("moves");
        QTest::addColumn<int>("endingMove");

        QTest::newRow("still") << Moves { { 100, 100 }, { 100, 100 } } << -1;
        QTest::newRow("10 pixels") << Moves { { 100, 100 }, { 110, 100 }, { 100, 90 }, { 106, 108 } } << -1;
        QTest::newRow("11 pixels") << Moves { { 100, 100 }, { 105, 100 }, { 100, 111 } } << 2;
        QTest::newRow("first move far") << Moves { { 500, 300 }, { 100, 89 } } << 1;
        QTest::newRow("diagonal") << Moves { { 100, 100 }, { 108, 108 } } << 1;
    }

    void exitRule()
    {
        QFETCH(Moves, moves);
        QFETCH(int, endingMove);
        ExitRule rule(100, 100);
        int ended = -1;
        for (int i = 0; i < moves.size() && ended < 0; ++i)
            if (rule.endsOnMove(moves[i].x(), moves[i].y()))
                ended = i;
        QCOMPARE(ended, endingMove);
    }

    void frame_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRect>("frame");

        QTest::newRow("1080p") << QSize(1920, 1080) << 1 << QRect(645, 225, 630, 630);
        QTest::newRow("1440p") << QSize(2560, 1440) << 2 << QRect(650, 90, 1260, 1260);
        QTest::newRow("4K") << QSize(3840, 2160) << 3 << QRect(975, 135, 1890, 1890);
        QTest::newRow("portrait 1260") << QSize(1260, 2000) << 2 << QRect(0, 370, 1260, 1260);
        QTest::newRow("1259 wide") << QSize(1259, 2000) << 1 << QRect(314, 685, 630, 630);
        QTest::newRow("preview") << QSize(152, 112) << 1 << QRect(20, 0, 112, 112);
    }

    // The picture pixels a repaint covers, and the screen pixels a changed picture pixel covers.
    void frame()
    {
        QFETCH(QSize, screen);
        QFETCH(int, scale);
        QFETCH(QRect, frame);
        QCOMPARE(PictureFrame::wholeScale(screen.width(), screen.height()), scale);
        const PictureFrame placed = PictureFrame::centredIn(screen.width(), screen.height());
        QCOMPARE(QRect(placed.x, placed.y, placed.side, placed.side), frame);

        kaleidra::PixelRect corner;
        corner.add(629, 0);
        const kaleidra::PixelRect onScreen = placed.toScreen(corner);
        QVERIFY(onScreen.right == frame.right() && onScreen.top == frame.top());
        // Shrunk, one screen pixel shows several picture pixels.
        const kaleidra::PixelRect back = placed.toPicture(onScreen);
        QVERIFY(back.left <= 629 && back.left > 629 - 630 / frame.width() - 1 && back.right == 629);
        QVERIFY(back.top == 0 && back.bottom < 630 / frame.width() + 1);
        kaleidra::PixelRect whole;
        whole.add(0, 0);
        whole.add(screen.width() - 1, screen.height() - 1);
        const kaleidra::PixelRect all = placed.toPicture(whole);
        QVERIFY(all.left == 0 && all.top == 0 && all.right == 629 && all.bottom == 629);
    }
};

QTEST_GUILESS_MAIN(SaverTest)
#include "tst_saver.moc"
