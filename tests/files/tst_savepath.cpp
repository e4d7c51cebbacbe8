#include "files/SavePath.h"

#include <QTest>

class TstSavePath : public QObject {
    Q_OBJECT

private slots:
    void targetPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<QString>("path");

        QTest::newRow("root") << "/" << "a" << false << "/a.bmp";
        QTest::newRow("drive root") << "C:/" << "a" << false << "C:/a.bmp";
        QTest::newRow("folder") << "C:/pics" << "a" << false << "C:/pics/a.bmp";
        QTest::newRow("a.bmp typed") << "/pics" << "a.bmp" << false << "/pics/a.bmp.bmp";
        QTest::newRow("empty name") << "/pics" << "" << false << "/pics/.bmp";
        QTest::newRow("Japanese, spaces kept") << "/写真" << " 万華鏡 １" << false << "/写真/ 万華鏡 １.bmp";
        QTest::newRow("sample.bmp picked") << "/pics" << "sample.bmp" << true << "/pics/sample.bmp";
        QTest::newRow("X.BMP picked") << "/pics" << "X.BMP" << true << "/pics/X.bmp";
        QTest::newRow(".bmp picked") << "/pics" << ".bmp" << true << "/pics/.bmp";
    }

    void targetPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(bool, picked);
        QFETCH(QString, path);
        QCOMPARE(SavePath::targetPath(folder, picked ? SavePath::nameFromListedFile(name) : name), path);
    }
};

QTEST_APPLESS_MAIN(TstSavePath)
#include "tst_savepath.moc"
