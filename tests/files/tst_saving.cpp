#include "files/DirListBox.h"
#include "files/DriveListBox.h"
#include "files/FileListBox.h"
#include "files/Form2.h"
#include "files/Module1.h"
#include "main_window/Form1.h"
#include "main_window/PictureBox.h"
#include "platform/ClockRandom.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

template <class T>
static T *control(Form2 *chooser, const char *name)
{
    return chooser->findChild<T *>(QLatin1String(name));
}

class TstSaving : public QObject {
    Q_OBJECT

    // Runs act on the next modal window of type T, inside its own event loop.
    template <class T>
    void whenShown(std::function<void(T *)> act)
    {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, act] {
            if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(window);
            }
        });
        poll->start(5);
    }
    void saveAs(std::function<void(Form2 *)> act)
    {
        whenShown<Form2>(std::move(act));
        m_form->findChild<QAction *>(QStringLiteral("mnuSaveAs"))->trigger();
    }
    void expectError()
    {
        whenShown<QMessageBox>([this](QMessageBox *box) {
            m_error = box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }
    QString start(const QString &name = QString()) const { return QDir::cleanPath(m_start->filePath(name)); }
    QImage picture() const { return m_form->pictureBox()->image().copy(); }
    static QImage written(const QString &path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<QTemporaryDir> m_start;
    ClockRandom m_random { 20240601u };
    std::unique_ptr<Form1> m_form;
    QString m_error;

private slots:
    void init()
    {
        Module1::saveFileName.clear();
        m_error.clear();
        m_start = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_start->path()) && QDir().mkdir(QStringLiteral("sub")));
        m_form = std::make_unique<Form1>(m_random);
        m_form->engine().toggleRun();
        m_form->engine().toggleRun();
        m_form->engine().stepPattern();
    }

    void cleanup()
    {
        m_form.reset();
        m_start.reset();
        qDeleteAll(findChildren<QTimer *>());
    }

    void saveAsThenSave()
    {
        QAction *save = m_form->saveAction();
        QVERIFY(!save->isEnabled());
        const QString path = start(QStringLiteral("sub/pic.bmp"));

        saveAs([&](Form2 *chooser) {
            DirListBox *folders = control<DirListBox>(chooser, "Dir1");
            folders->setCurrentItem(folders->findItems(QStringLiteral("sub"), Qt::MatchRecursive).value(0));
            QTest::keyClick(folders, Qt::Key_Return);
            QCOMPARE(folders->path(), start(QStringLiteral("sub")));
            QLineEdit *name = control<QLineEdit>(chooser, "txtTargetFile");
            name->setText(QStringLiteral("pic"));
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY2(chooser->isVisible() && !QFileInfo::exists(path), "Enter saved");
            control<QPushButton>(chooser, "Command1")->click();
        });
        QCOMPARE(Module1::saveFileName, path);
        QVERIFY(save->isEnabled());
        QCOMPARE(written(path), picture());

        m_form->engine().stepPattern();
        QVERIFY(written(path) != picture());
        save->trigger();
        QCOMPARE(written(path), picture());

        // A fresh start, and an unreadable drive leaves the drive list on the folder shown.
        saveAs([&](Form2 *chooser) {
            QCOMPARE(control<DirListBox>(chooser, "Dir1")->path(), start());
            QCOMPARE(control<QLineEdit>(chooser, "txtTargetFile")->text(), QStringLiteral("File1"));
            DriveListBox *drives = control<DriveListBox>(chooser, "Drive1");
            QCOMPARE(drives->drive(), DriveListBox::driveOf(start()));
            drives->addItem(QStringLiteral("Z:"), QStringLiteral("/no such drive/"));
            drives->setCurrentIndex(drives->count() - 1);
            QCOMPARE(drives->drive(), DriveListBox::driveOf(start()));
            QCOMPARE(control<DirListBox>(chooser, "Dir1")->path(), start());
            QTest::keyClick(chooser, Qt::Key_Escape);
        });

        QVERIFY(QDir(start(QStringLiteral("sub"))).removeRecursively());
        const QImage kept = picture();
        expectError();
        save->trigger();
        QVERIFY2(m_error.startsWith(QStringLiteral("カレイドラ|")) && m_error.contains(QDir::toNativeSeparators(path)),
                 qPrintable(m_error));
        QVERIFY(save->isEnabled());
        QCOMPARE(Module1::saveFileName, path);
        QCOMPARE(picture(), kept);
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("target");

        QTest::newRow("Yes replaces") << "sample.bmp" << 100 << int(QMessageBox::Yes) << "sample.bmp";
        QTest::newRow("No writes nothing") << "sample.bmp" << 100 << int(QMessageBox::No) << "sample.bmp";
        QTest::newRow("empty file, no question") << "sample.bmp" << 0 << int(QMessageBox::NoButton) << "sample.bmp";
        // X.bmp is another file where names differ in case, the same one elsewhere.
        const bool caseSensitive = !QFileInfo::exists(QDir::tempPath().toUpper());
        QTest::newRow("X.BMP picked") << "X.BMP" << 100
                                      << int(caseSensitive ? QMessageBox::NoButton : QMessageBox::Yes) << "X.bmp";
    }

    void overwriteQuestion()
    {
        QFETCH(QString, existing);
        QFETCH(int, length);
        QFETCH(int, answer);
        QFETCH(QString, target);

        QFile file(start(existing));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(length, 'x')) == length);
        file.close();
        const QString path = start(target);
        QString asked;
        bool closed = false;

        saveAs([&](Form2 *chooser) {
            FileListBox *list = control<FileListBox>(chooser, "File1");
            QCOMPARE(list->count(), 1);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            QCOMPARE(control<QLineEdit>(chooser, "txtTargetFile")->text(), QFileInfo(target).completeBaseName());
            whenShown<QMessageBox>([&](QMessageBox *box) {
                asked = box->windowTitle() + QLatin1Char('|') + box->text();
                QCOMPARE(box->icon(), QMessageBox::Warning);
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
                // What is written is the drawing once the question is answered.
                m_form->engine().stepPattern();
                box->button(QMessageBox::StandardButton(answer))->click();
            });
            control<QPushButton>(chooser, "Command1")->click();
            closed = !chooser->isVisible();
            chooser->close();
        });

        QVERIFY(closed);
        QCOMPARE(asked, answer == QMessageBox::NoButton
                     ? QString()
                     : QStringLiteral("ピコパタン|") + QDir::toNativeSeparators(path)
                         + QStringLiteral(" ファイルは既に存在します。上書きしますか？"));
        const bool saved = answer != QMessageBox::No;
        QCOMPARE(QFileInfo(path).size() == length, !saved);
        if (saved)
            QCOMPARE(written(path), picture());
        QCOMPARE(Module1::saveFileName, saved ? path : QString());
        QCOMPARE(m_form->saveAction()->isEnabled(), saved);
    }

    void chooserFailureKeepsItOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removeFolder");

        QTest::newRow("folder removed after it was chosen") << "pic" << true;
        QTest::newRow("name that is no file name") << "a/b" << false;
    }

    void chooserFailureKeepsItOpen()
    {
        QFETCH(QString, name);
        QFETCH(bool, removeFolder);

        const QImage before = picture();
        bool stillOpen = false;
        saveAs([&](Form2 *chooser) {
            control<DirListBox>(chooser, "Dir1")->setPath(start(QStringLiteral("sub")));
            control<QLineEdit>(chooser, "txtTargetFile")->setText(name);
            if (removeFolder)
                QVERIFY(QDir(start(QStringLiteral("sub"))).removeRecursively());
            expectError();
            control<QPushButton>(chooser, "Command1")->click();
            stillOpen = chooser->isVisible();
            chooser->close();
        });

        QVERIFY(stillOpen);
        const QString path = QDir::toNativeSeparators(start(QStringLiteral("sub/") + name + QStringLiteral(".bmp")));
        QVERIFY2(m_error.startsWith(QStringLiteral("カレイドラ|")) && m_error.contains(path), qPrintable(m_error));
        QVERIFY(Module1::saveFileName.isEmpty());
        QVERIFY(!m_form->saveAction()->isEnabled());
        QCOMPARE(picture(), before);
        QCOMPARE(QDir(start()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(TstSaving)
#include "tst_saving.moc"
