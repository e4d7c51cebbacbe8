#include "about/HelpPath.h"
#include "about/HelpViewer.h"
#include "about/frmAbout.h"
#include "main_window/Form1.h"
#include "platform/ClockRandom.h"
#include "platform/Twips.h"

#include <QtTest>
#include <QtWidgets>

#include <cstdlib>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

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
    form.findChild<QAction *>(item)->trigger();
}

// Help > Version, running `inside` once the About window is up. True only if
// `inside` closed it; one left open is closed after 2 s so that its modal
// loop cannot hang the test.
bool withAbout(const Form1 &form, const std::function<void(frmAbout &)> &inside)
{
    QObject guard;
    int seen = 0;
    QTimer::singleShot(0, &guard, [&] { if (frmAbout *about = shown<frmAbout>()) { seen = 1; inside(*about); } });
    QTimer::singleShot(2000, &guard, [&] { if (frmAbout *about = shown<frmAbout>()) { seen = 2; about->close(); } });
    choose(form, "mnuVersion");
    return seen == 1;
}

// The program in a child process, so that its end is real: File > Exit during
// a run with the help viewer and, for "about", the About window open.
// Status 2: not all of that was open; 3: still going 500 ms after Exit.
int runProgram(int argc, char *argv[])
{
    const bool about = qstrcmp(argv[2], "about") == 0;
    QApplication app(argc, argv);
    ClockRandom random;
    Form1 form(random);
    form.show();
    form.findChild<QPushButton *>("comstart")->click();
    choose(form, "mnuMokuji");
    if (about)
        QTimer::singleShot(100, &form, [&] { choose(form, "mnuVersion"); });
    QTimer::singleShot(400, &form, [&] {
        if (!form.engine().state().running || !shown<HelpViewer>() || about != (shown<frmAbout>() != nullptr))
            std::_Exit(2);
        QTimer::singleShot(500, &app, [] { std::_Exit(3); });
        choose(form, "mnuExit");
    });
    return app.exec();
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

    ClockRandom m_random { 1 };

private slots:
    void helpPath()
    {
        const auto native = &QDir::toNativeSeparators;
        QCOMPARE(helpFilePath(native("/opt/kaleidra")), native("/opt/kaleidra/kaleidra.hlp"));
        QCOMPARE(helpFilePath(native("/")), native("//kaleidra.hlp"));
    }

    void f1OpensHelpOnlyAfterContentsQueuedIt()
    {
        Form1 form(m_random);
        form.show();
        QTest::keyClick(&form, Qt::Key_F1);
        QVERIFY2(!shown<HelpViewer>(), "F1 opened help before Help > Contents was used");
        choose(form, "mnuMokuji");
        QVERIFY2(!shown<HelpViewer>(), "F1 was handled inside the menu handler, not queued");
        QTRY_VERIFY(shown<HelpViewer>());
        // The test's own folder has no help file.
        const QString text = shown<HelpViewer>()->toPlainText();
        QVERIFY2(text.contains("見つかりません") && text.contains(QDir::toNativeSeparators(qApp->applicationDirPath() + "/kaleidra.hlp")),
                 qPrintable(text));
        shown<HelpViewer>()->close();
        QWidget elsewhere;
        elsewhere.show();
        QTest::keyClick(&elsewhere, Qt::Key_F1);
        QVERIFY2(shown<HelpViewer>(), "F1 in another window did not open help");
    }

    // Refused at once with the viewer's message, never read whole.
    void refusedHelpFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("FIFO") << 0;
        QTest::newRow("folder") << 1;
        QTest::newRow("50 MB") << 2;
    }
    void refusedHelpFile()
    {
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("kaleidra.hlp");
        QFile file(path);
        QVERIFY(kind == 0 ? mkfifo(QFile::encodeName(path), 0600) == 0
                          : kind == 1 ? QDir().mkdir(path) : file.open(QIODevice::WriteOnly) && file.resize(50 << 20));
        rusage before {}, after {};
        getrusage(RUSAGE_SELF, &before);
        QElapsedTimer clock;
        clock.start();
        HelpViewer viewer;
        viewer.showContents(path);
        getrusage(RUSAGE_SELF, &after);
        QVERIFY(clock.elapsed() < 1000 && after.ru_maxrss - before.ru_maxrss < 10 * 1024);
        QVERIFY2(viewer.toPlainText().contains("表示できません"), qPrintable(viewer.toPlainText()));
    }

    void placement()
    {
        QCOMPARE(Twips::quarterPlacement({ 15360, 11520 }), QPoint(3840, 2880));
        QCOMPARE(Twips::quarterPlacement({ 19200, 15360 }), QPoint(4800, 3840));
        // 1366 pixels wide: W\2 - W\4 truncates twice, so it is not W\4.
        QCOMPARE(Twips::quarterPlacement({ 20490, 11520 }), QPoint(5123, 2880));
        QCOMPARE(Twips::toPixels({ 4800, 3840 }), QPoint(320, 256));
    }

    void aboutWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutWindow()
    {
        QFETCH(int, key);
        Form1 form(m_random);
        form.show();
        QPointer<frmAbout> first;
        QVERIFY2(withAbout(form, [&](frmAbout &about) {
            first = &about;
            QCOMPARE(about.pos(), Twips::toPixels(Twips::quarterPlacement(form.screen()->size() * Twips::perPixel)));
            QTest::keyClick(about.focusWidget(), Qt::Key(key));
        }), "the About window did not come up or the key left it open");
        // Gone once closed, so the next opening has to build a new one.
        QTRY_VERIFY2(first.isNull(), "the closed About window lives on");
        QVERIFY2(withAbout(form, [](frmAbout &about) { about.close(); }), "no second About window");
    }

    void exitEndsProgramAtOnce()
    {
        for (const char *open : { "viewer", "about" }) {
            QProcess program;
            program.start(QCoreApplication::applicationFilePath(), { "--program", open });
            QVERIFY2(program.waitForFinished(10000) && program.exitStatus() == QProcess::NormalExit, open);
            QVERIFY2(program.exitCode() == 0, qPrintable(QString("%1: status %2").arg(open).arg(program.exitCode())));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--program") == 0)
        return runProgram(argc, argv);
    QApplication app(argc, argv);
    AboutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_about.moc"
