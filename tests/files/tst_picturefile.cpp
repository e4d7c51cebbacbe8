#include "files/SavePath.h"
#include "platform/PictureFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QByteArray earlier = "an earlier picture, to be kept";

QImage samplePicture()
{
    QImage image(630, 630, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y + 37) % 256));
    return image;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAll()).trimmed();
}

// The child's side of the full medium: a file-size limit far below a picture.
int writeUnderSizeLimit(const char *path)
{
#ifdef Q_OS_UNIX
    const rlimit limit { 64 * 1024, 64 * 1024 };
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const PictureFile::SaveResult result = PictureFile::writeBmp(samplePicture(), QString::fromLocal8Bit(path));
    fputs(result.failure.toUtf8().constData(), stdout);
    return result.ok() ? 1 : 0;
}

} // namespace

class TstPictureFile : public QObject {
    Q_OBJECT

private slots:
    void independentReaderSeesTheSamePixels();
    void failureLeavesEverythingAsItWas_data();
    void failureLeavesEverythingAsItWas();
};

void TstPictureFile::independentReaderSeesTheSamePixels()
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("模様.bmp"));
    writeFile(bmp, earlier);
    QVERIFY(PictureFile::writeBmp(samplePicture(), bmp).ok());

    // The reference is written by hand, not by one of Qt's own image writers.
    const QImage rgb = samplePicture().convertToFormat(QImage::Format_RGB888);
    QByteArray ppm = "P6 630 630 255\n";
    for (int y = 0; y < rgb.height(); ++y)
        ppm.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
    writeFile(dir.filePath(QStringLiteral("reference.ppm")), ppm);

    QCOMPARE(run(QStringLiteral("identify"), { QStringLiteral("-format"), QStringLiteral("%m %w %h"), bmp }),
             QStringLiteral("BMP3 630 630"));
    QCOMPARE(run(QStringLiteral("compare"), { QStringLiteral("-metric"), QStringLiteral("AE"), bmp,
                                              dir.filePath(QStringLiteral("reference.ppm")), QStringLiteral("null:") }),
             QStringLiteral("0"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TstPictureFile::failureLeavesEverythingAsItWas_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fullMedium");

    QTest::newRow("missing folder") << "missing" << "old" << false;
    QTest::newRow("name that is no file name") << "" << "a/b" << false;
    QTest::newRow("name of a folder") << "" << "folder" << false;
    QTest::newRow("full medium") << "" << "old" << true;
}

void TstPictureFile::failureLeavesEverythingAsItWas()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(bool, fullMedium);

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("old.bmp")), earlier);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));
    const QString path = SavePath::targetPath(QDir::cleanPath(dir.filePath(folder)), name);

    QString failure;
    if (fullMedium) {
#ifndef Q_OS_UNIX
        QSKIP("needs a file-size limit");
#endif
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--write-under-size-limit"), path });
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        failure = QString::fromUtf8(child.readAllStandardOutput());
    } else {
        failure = PictureFile::writeBmp(samplePicture(), path).failure;
    }
    QVERIFY2(failure.contains(QStringLiteral("。")), qPrintable(failure));
    QFile old(dir.filePath(QStringLiteral("old.bmp")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), earlier);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({ QStringLiteral("folder.bmp"), QStringLiteral("old.bmp") }));
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--write-under-size-limit") == 0)
        return writeUnderSizeLimit(argv[2]);
    QCoreApplication app(argc, argv);
    TstPictureFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picturefile.moc"
