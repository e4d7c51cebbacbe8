#include "about/HelpViewer.h"
#include "platform/Twips.h"

#include <QtTest>
#include <QtWidgets>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    // Refused with the viewer's message, never waited on or read whole.
    void refusedHelpFile_data()
    {
        QTest::addColumn<bool>("fifo");
#ifndef Q_OS_WIN // Windows' pipes and devices are refused as the platform test shows.
        QTest::newRow("FIFO") << true;
#endif
        QTest::newRow("50 MB") << false;
    }
    void refusedHelpFile()
    {
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const QString path = dir.filePath("kaleidra.hlp");
        QFile file(path);
#ifdef Q_OS_WIN
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(50 << 20));
#else
        QVERIFY(fifo ? mkfifo(QFile::encodeName(path), 0600) == 0 : file.open(QIODevice::WriteOnly) && file.resize(50 << 20));
#endif
        HelpViewer viewer;
        viewer.showContents(path);
        QVERIFY2(viewer.toPlainText().contains("表示できません"), qPrintable(viewer.toPlainText()));
    }

    // 1366 pixels wide: W\2 − W\4 truncates twice, so it is not W\4; the
    // end-to-end journey sees both at 1280 pixels, where they agree.
    void placement()
    {
        QCOMPARE(Twips::quarterPlacement({ 20490, 11520 }), QPoint(5123, 2880));

        // Help beside a main window at the left, centred and at the right of a
        // screen two pixels too narrow for the whole viewer right of the window.
        const QRect screen(0, 0, 1278, 1024);
        for (const QPoint at : { QPoint(0, 0), QPoint(214, 165), QPoint(429, 0) }) {
            const QPoint client = at + QPoint(1, 38);
            const QList<QRect> controls { { at + QPoint(1, 20), QSize(847, 18) }, { client + QPoint(8, 8), QSize(634, 634) },
                                          { client + QPoint(648, 8), QSize(193, 201) } };
            const QRect help = HelpViewer::placement(screen, QRect(at, QSize(849, 694)), controls, QSize(432, 645));
            QVERIFY(screen.contains(help) && help.width() >= 320 && help.height() >= 240);
            // Beside a window at the left, the whole viewer fits flush with the screen's right edge, below the menu bar.
            QVERIFY(at != QPoint(0, 0) || help == QRect(846, 38, 432, 645));
            for (const QRect &control : controls)
                QVERIFY2(!help.intersects(control), qPrintable(QString::number(at.x())));
        }
        // Nowhere clear on a small screen: beside the window, pushed back onto the screen.
        QCOMPARE(HelpViewer::placement({ 0, 0, 800, 600 }, { 0, 100, 849, 694 }, { { 0, 0, 800, 600 } }, { 432, 645 }), QRect(368, 0, 432, 600));
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
