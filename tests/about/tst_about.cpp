#include "about/HelpPath.h"
#include "about/frmAbout.h"
#include "main_window/Form1.h"
#include "main_window/PictureBox.h"
#include "platform/ClockRandom.h"
#include "about/HelpViewer.h"
#include "platform/JapaneseUi.h"
#include "platform/Runtime.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr char programSwitch[] = "--program";

template <typename Window>
Window *shown()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Window *>(window); found && found->isVisible())
            return found;
    return nullptr;
}

void choose(const Form1 &form, const char *item)
{
    form.findChild<QAction *>(QString::fromLatin1(item))->trigger();
}

// Help > Version, running `inside` once the About window is up. Returns
// false when `inside` left the window open and it had to be closed.
bool withAbout(const Form1 &form, const std::function<void(frmAbout &)> &inside)
{
    bool closed = true;
    QTimer::singleShot(0, &form, [&] {
        if (frmAbout *about = shown<frmAbout>())
            inside(*about);
    });
    QTimer::singleShot(2000, &form, [&] {
        if (frmAbout *about = shown<frmAbout>()) {
            closed = false;
            about->close();
        }
    });
    choose(form, "mnuVersion");
    return closed;
}

QStringList look(const frmAbout &about)
{
    const QPoint at = about.pos();
    return { about.windowTitle(), about.findChild<QLabel *>("Label1")->text(),
             about.findChild<QLabel *>("Label2")->text(), QStringLiteral("%1,%2").arg(at.x()).arg(at.y()) };
}

// The program as main() builds it, in a process of its own: a run, the help
// viewer and, for "about", the About window are open when File > Exit is
// chosen. Prints what was open, then how long the program took to end.
int runProgram(int argc, char *argv[], bool about)
{
    QApplication app(argc, argv);
    installJapaneseUi(app);
    ClockRandom random;
    Form1 form(random);
    form.show();
    QElapsedTimer sinceExit;
    auto exit = [&] {
        std::printf("running=%d viewer=%d about=%d\n", int(form.engine().state().running), shown<HelpViewer>() != nullptr,
                    shown<frmAbout>() != nullptr);
        std::fflush(stdout);
        sinceExit.start();
        choose(form, "mnuExit");
    };
    QTimer::singleShot(0, &form, [&] {
        form.findChild<QPushButton *>("comstart")->click();
        choose(form, "mnuMokuji");
    });
    QTimer::singleShot(400, &form, [&] {
        if (!about)
            return exit();
        QTimer::singleShot(300, &form, exit);
        choose(form, "mnuVersion");
    });
    const int status = app.exec();
    std::printf("ended after %lld ms\n", static_cast<long long>(sinceExit.elapsed()));
    return status;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_form.reset(); }
    void helpPath_data();
    void helpPath();
    void contentsQueuesF1ThenF1OpensHelpAnywhere();
    void helpFileShownFromItsStart();
    void placement_data();
    void placement();
    void aboutClosesWith_data();
    void aboutClosesWith();
    void eachAboutIsFreshWhileRunGoesOn();
    void exitEndsProgramAtOnce_data();
    void exitEndsProgramAtOnce();

private:
    ClockRandom m_random { 1 };
    std::unique_ptr<Form1> m_form;
};

void AboutTest::init()
{
    m_form = std::make_unique<Form1>(m_random);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void AboutTest::helpPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
#ifdef Q_OS_WIN
    QTest::newRow("folder") << "C:\\Tools" << "C:\\Tools\\kaleidra.hlp";
    QTest::newRow("root") << "D:\\" << "D:\\\\kaleidra.hlp";
#else
    QTest::newRow("folder") << "/opt/kaleidra" << "/opt/kaleidra/kaleidra.hlp";
    QTest::newRow("root") << "/" << "//kaleidra.hlp";
#endif
}

void AboutTest::helpPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(helpFilePath(folder), path);
}

void AboutTest::contentsQueuesF1ThenF1OpensHelpAnywhere()
{
    QTest::keyClick(m_form->pictureBox(), Qt::Key_F1);
    QTest::qWait(50);
    QVERIFY2(!shown<HelpViewer>(), "F1 opened help before Help > Contents was used");

    choose(*m_form, "mnuMokuji");
    QVERIFY2(!shown<HelpViewer>(), "F1 was handled inside the menu handler, not queued");
    QTRY_VERIFY(shown<HelpViewer>());
    HelpViewer *viewer = shown<HelpViewer>();
    // The test's own folder has no help file.
    QVERIFY(viewer->toPlainText().contains("見つかりません"));
    QVERIFY(viewer->toPlainText().contains(QDir::toNativeSeparators(Runtime::programFolder() + "/kaleidra.hlp")));

    QWidget elsewhere;
    elsewhere.show();
    for (QWidget *target : { static_cast<QWidget *>(m_form->pictureBox()), &elsewhere }) {
        viewer->close();
        QTest::keyClick(target, Qt::Key_F1);
        QTRY_VERIFY(shown<HelpViewer>());
    }
    viewer->close();
    choose(*m_form, "mnuMokuji");
    QTRY_COMPARE(shown<HelpViewer>(), viewer);
}

void AboutTest::helpFileShownFromItsStart()
{
    HelpViewer viewer;
    viewer.resize(300, 200);
    viewer.showContents(QStringLiteral(KALEIDRA_HELP_FILE));
    for (const char *topic : { "ストップ", "赤最小", "青最大", "名前を付けて保存(&A)", "上書き保存(&S)", "画像を保存",
                               "上書きしますか", "赤最大 → 赤最小", "Alt+H", "F1" })
        QVERIFY2(viewer.toPlainText().contains(QString::fromUtf8(topic)), topic);
    viewer.setSource(QUrl(QStringLiteral("#keyboard")));
    QVERIFY2(viewer.verticalScrollBar()->value() > 0, "a link of the contents leads nowhere");
    viewer.showContents(QStringLiteral(KALEIDRA_HELP_FILE));
    QCOMPARE(viewer.verticalScrollBar()->value(), 0);
}

void AboutTest::placement_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("twips");
    QTest::addColumn<QPoint>("pixels");
    QTest::newRow("1024 x 768") << QSize(15360, 11520) << QPoint(3840, 2880) << QPoint(256, 192);
    QTest::newRow("1280 x 1024") << QSize(19200, 15360) << QPoint(4800, 3840) << QPoint(320, 256);
    QTest::newRow("1366 x 768, W\\2 - W\\4 > W\\4") << QSize(20490, 11520) << QPoint(5123, 2880) << QPoint(341, 192);
}

void AboutTest::placement()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, twips);
    QFETCH(QPoint, pixels);
    QCOMPARE(Twips::quarterPlacement(screen), twips);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

void AboutTest::aboutClosesWith_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void AboutTest::aboutClosesWith()
{
    QFETCH(int, key);
    bool opened = false;
    QPointer<frmAbout> window;
    QVERIFY(withAbout(*m_form, [&](frmAbout &about) {
        opened = true;
        window = &about;
        QTest::keyClick(about.focusWidget() ? about.focusWidget() : &about, Qt::Key(key));
    }));
    QVERIFY(opened);
    QTRY_VERIFY(window.isNull());
}

void AboutTest::eachAboutIsFreshWhileRunGoesOn()
{
    m_form->findChild<QPushButton *>("comstart")->click();
    QPointer<frmAbout> first;
    QStringList firstLook;
    QImage before;
    QImage after;
    QVERIFY(withAbout(*m_form, [&](frmAbout &about) {
        first = &about;
        firstLook = look(about);
        before = m_form->pictureBox()->image().copy();
        QTest::qWait(350);
        after = m_form->pictureBox()->image().copy();
        about.findChild<QPushButton *>("cmdOK")->click();
    }));
    QVERIFY2(before != after, "the run stopped drawing behind the About window");
    QTRY_VERIFY(first.isNull());

    const QSize screen = m_form->screen()->size() * Twips::perPixel;
    const QPoint at = Twips::toPixels(Twips::quarterPlacement(screen));
    QCOMPARE(firstLook, QStringList({ "ﾊﾞｰｼﾞｮﾝ情報", "カレイドラ", "Ｖｅｒｓｉｏｎ　1.0", QStringLiteral("%1,%2").arg(at.x()).arg(at.y()) }));
    QStringList secondLook;
    QVERIFY(withAbout(*m_form, [&](frmAbout &about) {
        secondLook = look(about);
        about.close();
    }));
    QCOMPARE(secondLook, firstLook);
}

void AboutTest::exitEndsProgramAtOnce_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("seen");
    QTest::newRow("run, help viewer") << "viewer" << "running=1 viewer=1 about=0";
    QTest::newRow("run, help viewer, About window") << "about" << "running=1 viewer=1 about=1";
}

void AboutTest::exitEndsProgramAtOnce()
{
    QFETCH(QString, open);
    QFETCH(QString, seen);
    QProcess program;
    program.start(QCoreApplication::applicationFilePath(), { programSwitch, open });
    QVERIFY(program.waitForFinished(20000));
    const QStringList lines = QString::fromLocal8Bit(program.readAllStandardOutput()).split('\n');
    const QByteArray errors = program.readAllStandardError();
    QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0, errors.constData());
    QCOMPARE(lines.value(0), seen);
    QVERIFY2(lines.value(1).startsWith("ended after ") && lines.value(1).section(' ', 2, 2).toInt() < 500,
             qPrintable(lines.value(1)));
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], programSwitch) == 0)
        return runProgram(argc, argv, std::strcmp(argv[2], "about") == 0);
    QApplication app(argc, argv);
    AboutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_about.moc"
