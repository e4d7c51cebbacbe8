#include "system/Drives.h"
#include "system/PictureFile.h"
#include "system/PlainFile.h"
#include "system/Runtime.h"
#include "system/SaverHost.h"

#include <QtTest>

#include <windows.h>

Q_DECLARE_METATYPE(PictureFile::Failure)
Q_DECLARE_METATYPE(PlainFile::Failure)

// Windows' own calls, run under Wine.
class SystemTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    // As another program holds a file open, shared with nobody.
    static HANDLE hold(const QString &path) { return CreateFileW(LPCWSTR(path.utf16()), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr); }

private slots:
    void initTestCase()
    {
        QFile help(m_folder.filePath("h.hlp"));
        QVERIFY(QDir::setCurrent(m_folder.path()) && help.open(QIODevice::WriteOnly) && help.write("0123456789") == 10);
    }

    // The folder the program started in, and whether one may write in a folder, found by writing there.
    void startFolderAndProbe()
    {
        QCOMPARE(Runtime::startFolder(), m_folder.path());
        QVERIFY(QDir().mkdir("w"));
        QVERIFY2(Runtime::canWriteIn("w"), "a folder one may write to is refused");
        QVERIFY2(QDir("w").isEmpty(), "the probe stayed behind");
        QVERIFY2(!Runtime::canWriteIn("gone"), "a missing folder is taken");
        QVERIFY(QFile(QStringLiteral("w/~kaleidra-%1.tmp").arg(GetCurrentProcessId())).open(QIODevice::WriteOnly));
        QVERIFY2(Runtime::canWriteIn("w"), "a probe's name already there is taken for a refusal");
    }

    // The label the Wine run gives C: before Wine starts, which reads it once.
    void driveLabel() { QCOMPARE(Drives::label("C:/"), "KALEIDRA"); }

    // Errors no test machine gives, and one the program has no words for.
    void failureCodes()
    {
        QCOMPARE(PictureFile::failureOf(ERROR_WRITE_PROTECT).failure, PictureFile::Failure::ReadOnlyMedium);
        QCOMPARE(PictureFile::failureOf(ERROR_NOT_READY).failure, PictureFile::Failure::DriveNotReady);
        QCOMPARE(PictureFile::failureOf(1295).failure, PictureFile::Failure::DiskFull);
        QVERIFY(!PictureFile::failureOf(ERROR_INVALID_FUNCTION).systemText.isEmpty());
    }

    // The size of the window the saver is to draw in; the saver draws in device pixels.
    void saverHost()
    {
        const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 120, 80, HWND_MESSAGE, nullptr, nullptr, nullptr);
        QCOMPARE(SaverHost::windowSize(WId(window)).value_or(QSize()), QSize(120, 80));
        SaverHost::prepareProcess(true);
        QCOMPARE(qgetenv("QT_ENABLE_HIGHDPI_SCALING"), "0");
    }

    // The help file h.hlp holds ten bytes; the system cannot read the one at Z:/proc/self/mem.
    void read_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<PlainFile::Failure>("failure");
        using F = PlainFile::Failure;
        QTest::newRow("at the limit") << "h.hlp" << qint64(10) << F::None;
        QTest::newRow("over the limit") << "h.hlp" << qint64(9) << F::TooLarge;
        // Its stated size is 0, as if it had grown since it was asked.
        QTest::newRow("longer than it says") << "Z:/proc/self/status" << qint64(100) << F::TooLarge;
        QTest::newRow("read fails") << "Z:/proc/self/mem" << qint64(10) << F::Unreadable;
        QTest::newRow("missing") << "gone.hlp" << qint64(10) << F::Missing;
        QTest::newRow("folder missing") << "gone/h.hlp" << qint64(10) << F::Missing;
        QTest::newRow("wildcard") << "h*.hlp" << qint64(10) << F::Unreadable;
        QTest::newRow("folder") << "." << qint64(10) << F::NotAFile;
        QTest::newRow("device") << "NUL" << qint64(10) << F::NotAFile;
    }
    void read()
    {
        QFETCH(QString, path);
        QFETCH(qint64, limit);
        QFETCH(PlainFile::Failure, failure);
        const PlainFile::Contents contents = PlainFile::read(path, limit);
        QCOMPARE(contents.failure, failure);
        QCOMPARE(contents.bytes, QByteArray(failure == PlainFile::Failure::None ? "0123456789" : ""));
        // Nothing of the read is left open: the file can be held alone.
        const HANDLE alone = path == "h.hlp" ? hold(path) : nullptr;
        QVERIFY2(alone != INVALID_HANDLE_VALUE, "the read left the file open");
        CloseHandle(alone);
    }

    // Setup "held", "taken" (the first temporary name is in use); "~" is the test's folder.
    void writeWhole_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("path");
        QTest::addColumn<PictureFile::Failure>("failure");
        using F = PictureFile::Failure;
        QTest::newRow("written") << "" << "~/a b.bmp" << F::None;
        QTest::newRow("temporary name taken") << "taken" << "~/a.bmp" << F::None;
        QTest::newRow("held open") << "held" << "~/a.bmp" << F::InUse;
        QTest::newRow("names that are no devices") << "" << "~/COM0/abc1/COM10.x/" + QString(255, 'n') << F::FolderMissing;
        QTest::newRow("256 units") << "" << "~/" + QString(256, 'n') << F::NameTooLong;
        QTest::newRow("control character") << "" << "~/a\x1f.bmp" << F::CharacterRefused;
        QTest::newRow("relative stream") << "" << "a:b.bmp" << F::CharacterRefused;
        QTest::newRow("con, dotted") << "" << "~/con .bmp" << F::ReservedName;
        QTest::newRow("COM1") << "" << "~/COM1.bmp" << F::ReservedName;
        QTest::newRow("LPT9 folder") << "" << "~/LPT9/a.bmp" << F::ReservedName;
    }
    void writeWhole()
    {
        QFETCH(QString, setup);
        QFETCH(QString, path);
        QFETCH(PictureFile::Failure, failure);
        path.replace('~', m_folder.path());
        const QDir folder = QFileInfo(path).dir();
        const QString taken = QStringLiteral("~kaleidra-%1-0.tmp").arg(GetCurrentProcessId());
        QVERIFY(setup != "taken" || QFile(folder.filePath(taken)).open(QIODevice::WriteOnly));
        const HANDLE held = setup == "held" ? hold(path) : INVALID_HANDLE_VALUE;
        const QByteArray bytes(100000, 'k');
        QCOMPARE(PictureFile::writeWhole(bytes, path).failure, failure);
        CloseHandle(held);
        QFile written(path);
        QVERIFY(failure != PictureFile::Failure::None || written.open(QIODevice::ReadOnly));
        QVERIFY2(failure != PictureFile::Failure::None || written.readAll() == bytes, "the file does not hold what was written");
        written.remove();
        // Nothing is left behind but what was there.
        QCOMPARE(folder.entryList({ "~kaleidra*" }, QDir::Files | QDir::Hidden), setup == "taken" ? QStringList(taken) : QStringList());
        QFile::remove(folder.filePath(taken));
    }
};

QTEST_MAIN(SystemTest)
#include "tst_system.moc"
