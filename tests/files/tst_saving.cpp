#include "files/FolderList.h"
#include "files/PictureExport.h"
#include "files/DriveList.h"
#include "files/FileList.h"
#include "files/SavePath.h"
#include "files/SavePictureDialog.h"
#include "main_window/DrawingArea.h"
#include "main_window/MainWindow.h"
#include "pattern/ClockRandom.h"
#include "ReferencePicture.h"
#include "system/PictureFile.h"
#include "widgets/JapaneseUi.h"

#include <QtTest>
#include <QtWidgets>

#ifndef Q_OS_WIN
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

class SavingTest : public QObject {
    Q_OBJECT

    // Opens the chooser, lets act set it up, then clicks 保存; true when the chooser stayed open,
    // and then, given a reference, it must look so once 保存 has the keyboard back.
    bool saveAs(const std::function<void(SavePictureDialog *)> &act, const QString &reference = QString())
    {
        bool open = false;
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            if (auto *chooser = qobject_cast<SavePictureDialog *>(QApplication::activeModalWidget())) {
                poll->stop();
                chooser->activateWindow();
                const bool active = QTest::qWaitForWindowActive(chooser);
                // The system disk's label differs between machines.
                auto *drives = chooser->findChild<DriveList *>();
                drives->setItemText(drives->currentIndex(), QDir::toNativeSeparators(drives->drive()));
                act(chooser);
                auto *button = chooser->findChild<QPushButton *>();
                button->setFocus(Qt::MouseFocusReason);
                button->click();
                open = chooser->isVisible();
                const bool back = reference.isEmpty() || QTest::qWaitFor([&] { return button->hasFocus(); });
                const QString difference = reference.isEmpty() ? QString() : ReferencePicture::compare(chooser->grab().toImage(), reference);
                chooser->close();
                QVERIFY2(active, "the chooser did not become the active window");
                QVERIFY2(back, "保存 did not get the keyboard back");
                QVERIFY2(difference.isEmpty(), qPrintable(difference));
            }
        });
        poll->start(5);
        m_form->findChild<QAction *>(QStringLiteral("saveAsAction"))->trigger();
        return open;
    }
    QString start(const QString &name = QString()) const { return QDir::cleanPath(m_start + '/' + name); }
    QImage picture() const { return m_form->drawingArea()->image().convertToFormat(QImage::Format_RGB32); }
    bool holdsDrawing(const QString &path) const { return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32) == picture(); }

    // A name giving a file name of exactly units with ".bmp", of 万 as far as it goes, as each
    // system counts: UTF-16 units on Windows, where 万 is one, bytes elsewhere, where it is three.
    static QString nameOf(int units, bool japanese)
    {
        const int width = japanese && QDir::separator() == '/' ? 3 : 1;
        return QString((units - 4) / width, japanese ? QChar(0x4E07) : QChar('n')) + QString((units - 4) % width, 'n');
    }

    // The chooser shows the whole path of its folder: one of a fixed name keeps its pictures alike on
    // every machine, and the lock keeps test runs side by side out of each other's way.
    const QString m_start = QDir::rootPath() + "tmp/kaleidra-saving";
    QLockFile m_lock { QDir::tempPath() + "/kaleidra-saving.lock" };
    const QByteArray m_home = qgetenv("HOME");
    kaleidra::ClockRandom m_random { 20240601u };
    std::unique_ptr<MainWindow> m_form;
    QStringList m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

private slots:
    void initTestCase()
    {
        installJapaneseUi(*qobject_cast<QApplication *>(QCoreApplication::instance()));
        m_lock.setStaleLockTime(0);
        QVERIFY(m_lock.lock());
    }

    void init()
    {
        m_boxes.clear();
        QDir(m_start).removeRecursively();
        // A file the chooser's "*.bmp" must leave out of its list, and a folder it must too.
        QVERIFY(QDir().mkpath(m_start) && QDir::setCurrent(m_start) && QDir().mkdir("sub") && QDir().mkdir("sub.bmp") && QFile("notes.txt").open(QIODevice::WriteOnly));
        m_form = std::make_unique<MainWindow>(m_random);
        m_form->engine().toggleRun();
        m_form->engine().toggleRun();
        m_form->engine().stepPattern();
        // Every message box is noted, then answered with m_answer where it offers that.
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QAbstractButton *yes = box->button(QMessageBox::Yes);
            m_boxes << QString(box->icon() == QMessageBox::Critical ? "critical|" : "") + box->windowTitle() + '|' + box->text();
            (box->button(m_answer) ? box->button(m_answer) : box->buttons().value(0))->click();
            // Plain text, as the path it names may hold "<" or "&".
            QCOMPARE(box->textFormat(), Qt::PlainText);
            if (!yes)
                return;
            // A question warns and offers Yes first, in Japanese, which shows that Qt's own translation is loaded.
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->defaultButton(), yes);
            QVERIFY2(yes->text().startsWith(QStringLiteral("はい")), qPrintable(yes->text()));
        });
        poll->start(5);
    }

    void cleanup()
    {
        m_form.reset();
        QDir::setCurrent(QDir::tempPath());
        qputenv("HOME", m_home);
        QDir(m_start).removeRecursively();
        qDeleteAll(findChildren<QTimer *>());
    }

    // Where the chooser opens: near a start folder removed since, not in a folder named as the system marks it.
    void chooserFolder()
    {
#ifndef Q_OS_WIN // Windows keeps a process's current folder from being removed.
        QVERIFY(QDir().mkdir("gone") && QDir().mkdir("gone (deleted)") && QDir::setCurrent("gone") && QDir(start()).rmdir("gone"));
        m_form = std::make_unique<MainWindow>(m_random);
        QVERIFY(!saveAs([&](SavePictureDialog *chooser) { QCOMPARE(chooser->findChild<FolderList *>()->path(), start()); }));
#endif
        QCOMPARE(SavePictureDialog(picture(), start("gone/deeper")).findChild<FolderList *>()->path(), start());
        // Where not even its name is known, the home folder.
        QCOMPARE(SavePictureDialog(picture(), QString()).findChild<FolderList *>()->path(), QDir::homePath());
        // Else the start folder, unless it is the program's own or cannot be written to, where the
        // Pictures folder is taken. The program's folder as the system writes it, "\\"-separated on Windows.
        const auto opens = [this](const QString &from, const QString &program, bool writable, const QString &pictures) {
            return SavePath::chooserFolder(start(from), QDir::toNativeSeparators(start(program)), writable, start(pictures));
        };
        QCOMPARE(opens("sub", "", true, "."), start("sub"));
        QCOMPARE(opens("sub", "sub", true, "."), start());
        QCOMPARE(opens("sub", "", false, "."), start());
        QCOMPARE(opens("sub", "sub", true, "gone"), QDir::homePath());
        QCOMPARE(opens("gone", "", false, "."), start("gone"));
    }

    // In the start folder, or on a medium as given (Linux: a tmpfs mounted there; Windows: a drive
    // the Wine run maps). Saved or not, nothing else is written; a failure shows the reason the
    // system gave and is not remembered.
    void chooserSave_data()
    {
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("name"); // typed; null: the existing file is picked in the list
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("reason"); // empty where it saves, unless answered No
        const int yes = QMessageBox::Yes, no = QMessageBox::No, none = QMessageBox::NoButton;
        // X.bmp is another file where names differ in case, the same one elsewhere.
        const int xAnswer = QFileInfo::exists(QDir::tempPath().toUpper()) ? yes : none;
        QTest::newRow("Yes replaces one byte") << "" << "old.bmp" << 1 << QString() << yes << "";
        // Made read-only ("locked"): Yes to the question, then refused, whatever the folder allows.
        QTest::newRow("write-protected file") << "" << "locked.bmp" << 9 << QString() << yes << "保存先に書き込む権限がありません。";
        QTest::newRow("No writes nothing") << "" << "old.bmp" << 9 << QString() << no << "";
        QTest::newRow("empty file, no question") << "" << "old.bmp" << 0 << QString() << none << "";
        QTest::newRow("X.BMP picked") << "" << "X.BMP" << 9 << QString() << xAnswer << "";
        QTest::newRow("empty name") << "" << "" << 0 << "" << none << "";
        QTest::newRow("Japanese name") << "" << "" << 0 << " 万華鏡 １" << none << "";
        // The longest names the system takes: the file written beside them first must not be longer.
        for (const auto &[units, japanese] : { std::pair(254, false), std::pair(255, false), std::pair(255, true) })
            QTest::addRow("%d units, Japanese %d", units, japanese) << "" << "" << 0 << nameOf(units, japanese) << none << "";
        const QString tooLong = "ファイル名が長すぎます。";
        QTest::newRow("300 characters") << "" << "" << 0 << QString(300, 'n') << none << tooLong;
        // A break in a long name goes neither inside a character nor before a mark.
        QTest::newRow("300 units of 𠀋") << "" << "" << 0 << "n" + QString::fromUtf8("𠀋").repeated(150) << none << tooLong;
        QTest::newRow("300 units of が") << "" << "" << 0 << "n" + QString::fromUtf8("か\u3099").repeated(150) << none << tooLong;
        QTest::newRow("256 units") << "" << "" << 0 << nameOf(256, false) << none << tooLong;
        QTest::newRow("256 units, Japanese") << "" << "" << 0 << nameOf(256, true) << none << tooLong;
        QTest::newRow("NUL") << "" << "" << 0 << QStringLiteral("a%1b").arg(QChar(0)) << none << "ファイル名に使えない文字が含まれています。";
        QTest::newRow("folder missing") << "" << "" << 0 << "gone/a" << none << "保存先のフォルダーが見つかりません。";
        // Wine gives a read-only file system the error of a folder one may not write to.
        QTest::newRow("read-only medium") << "ro" << "" << 0 << "a" << none
                                          << (QDir::separator() == '\\' ? "保存先に書き込む権限がありません。" : "保存先は読み取り専用で、書き込めません。");
        QTest::newRow("full medium") << "full" << "" << 0 << "a" << none << "ディスクの空き容量が足りません。";
        QTest::newRow("name of a folder") << "" << "" << 0 << "sub" << none << "同じ名前のフォルダーがあります。";
    }
    void chooserSave()
    {
        QFETCH(QString, medium);
        QFETCH(QString, existing);
        QFETCH(int, length);
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(QString, reason);
        QString folder = start();
#ifndef Q_OS_WIN
        const auto unmount = qScopeGuard([&] { return umount2(QFile::encodeName(folder), MNT_DETACH) == 0 && QDir().rmdir(folder); });
#endif
        if (!medium.isEmpty()) {
#ifdef Q_OS_WIN
            folder = qEnvironmentVariable(qPrintable("KALEIDRA_TEST_DRIVE_" + medium.toUpper()));
            if (folder.isEmpty() || !QDir(folder).exists())
                QSKIP("no such drive is mapped for this run");
#else
            // The full medium is mounted from a device in a place for media, which makes it a drive of what lies
            // under it only; the read-only one elsewhere, which is no drive unless it holds the home folder.
            const bool media = medium == "full";
            folder = media ? "/run/media/kaleidra-saving" : start("m");
            if (!QDir().mkpath(folder) || mount(media ? "/dev/kaleidra" : "tmpfs", QFile::encodeName(folder), "tmpfs", medium == "ro" ? MS_RDONLY : 0, "size=64k") != 0)
                QSKIP(qPrintable("no tmpfs can be mounted here: " + qt_error_string(errno)));
            QCOMPARE(DriveList().findData(folder) >= 0, media);
            QCOMPARE(DriveList::driveOf(start()), QDir::rootPath());
            qputenv("HOME", media ? m_home : QFile::encodeName(folder));
#endif
        }
        QFile file(start(existing));
        const bool locked = existing.startsWith("locked");
        QVERIFY(existing.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(QByteArray(length, 'x')) == length
                                          && file.setPermissions(locked ? QFile::Permissions(QFile::ReadOwner) : QFile::ReadOwner | QFile::WriteOwner)));
        file.close();
#ifndef Q_OS_WIN
        // Root may write any file, so the locked one is tried as nobody, in a folder nobody may write in.
        const bool asNobody = locked && ::geteuid() == 0;
        QVERIFY(!asNobody || ::chmod(QFile::encodeName(folder), 0777) == 0);
        QVERIFY(!asNobody || ::seteuid(65534) == 0);
        const auto backToRoot = qScopeGuard([asNobody] {
            if (asNobody && ::seteuid(0) != 0)
                qFatal("could not become root again");
        });
#endif
        m_answer = QMessageBox::StandardButton(answer);
        const QString path = QDir::cleanPath(folder + '/' + (name.isNull() ? QFileInfo(existing).completeBaseName() : name) + ".bmp");
        const bool saved = reason.isEmpty() && answer != QMessageBox::No;
        // A file replaced keeps who may read and write it.
        const QFile::Permissions kept = QFileInfo(path).permissions();
        const qsizetype files = QDir(folder).entryList(QDir::Files | QDir::Hidden).size() + int(saved && !QFileInfo::exists(path));

        // After a failure's box, 保存 shows that it has the keyboard, as after Tab, though a click gave it.
        QCOMPARE(saveAs([&](SavePictureDialog *chooser) {
            // A medium is listed from the start, as the drive of its own that it is.
            QCOMPARE(chooser->findChild<DriveList *>()->findData(folder) >= 0, !medium.isEmpty());
            chooser->findChild<FolderList *>()->setPath(folder);
            // The drive list follows the folder list onto another drive, whose root the medium is.
            QCOMPARE(chooser->findChild<DriveList *>()->drive(), medium.isEmpty() ? DriveList::driveOf(folder) : folder);
            FileList *list = chooser->findChild<FileList *>();
            if (!name.isNull())
                chooser->findChild<QLineEdit *>()->setText(name);
            else if (answer == QMessageBox::No) {
                // As after tabbing in: the cursor on the one name, not picked yet.
                list->setCurrentItem(list->item(0), QItemSelectionModel::NoUpdate);
                QTest::keyClick(list, Qt::Key_Down);
            } else
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        }, name == "sub" ? "chooser-error" : QString()), !reason.isEmpty());
        // An export there, twice the size, fails for the same reason and leaves as little behind.
        if (!reason.isEmpty()) {
            ExportJob job;
            job.figures = m_form->figures();
            job.screen = picture();
            job.scale = 2;
            job.format = "BMP";
            job.path = path;
            const auto exported = writeExport(job, [](std::size_t) { return true; });
            QCOMPARE(exported ? PictureFile::reason(*exported) : QString(), reason);
        }
#ifndef Q_OS_WIN
        QVERIFY(!asNobody || ::seteuid(0) == 0);
#endif
        // A failure names the file, whose long names are broken for the box, and the reason.
        const QString last = m_boxes.value(m_boxes.size() - 1);
        if (!reason.isEmpty())
            QVERIFY2(last.startsWith("critical|") && QString(last).remove(QChar(0x200B)).contains(QDir::toNativeSeparators(path) + "\n\n" + reason),
                     qPrintable(last));
        if (answer != QMessageBox::NoButton)
            QCOMPARE(m_boxes.value(0), "ピコパタン|" + QDir::toNativeSeparators(path) + " ファイルは既に存在します。上書きしますか？");
        QCOMPARE(m_boxes.size(), int(!reason.isEmpty()) + int(answer != QMessageBox::NoButton));
        // A long name is broken every 40 characters, counted from its folder, so that the box fits on the screen.
        if (name == QString(300, 'n'))
            QVERIFY2(last.contains(QDir::separator() + (QString(40, 'n') + QChar(0x200B)).repeated(2)), qPrintable(last));
        QVERIFY2(QStringView(last).isValidUtf16(), "a break inside a character");
        QVERIFY2(!last.contains(QString(QChar(0x200B)) + QChar(0x3099)), "a break before a mark");
        QCOMPARE(m_form->savePath(), saved ? path : QString());
        QCOMPARE(m_form->saveAction()->isEnabled(), saved);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), files);
        QVERIFY(existing.isEmpty() || file.open(QIODevice::ReadOnly));
        QCOMPARE(existing.isEmpty() || file.readAll() == QByteArray(length, 'x'), !saved || QFileInfo(file) != QFileInfo(path));
        if (!saved)
            return;
        QVERIFY2(holdsDrawing(path), "the file does not hold the drawing");
        // A new file may be read and written as any other file the user makes.
        QCOMPARE(QFileInfo(path).permissions(), kept ? kept : QFileInfo(start("notes.txt")).permissions());
    }

    // Every failure has words of its own for the user.
    void reasons()
    {
        QSet<QString> said;
        for (int failure = int(PictureFile::Failure::NameTooLong); failure <= int(PictureFile::Failure::Other); ++failure)
            said << PictureFile::reason({ PictureFile::Failure(failure), QString() });
        QVERIFY2(!said.contains(QString()), "a failure without words");
        QVERIFY2(PictureFile::reason({ PictureFile::Failure::Other, "x" }).contains("（x）"), "the system's own words are dropped");
        // An error the program has no class for is still a failure.
        QCOMPARE(PictureFile::failureOf(12345).failure, PictureFile::Failure::Other);
        QCOMPARE(said.size(), int(PictureFile::Failure::Other));
    }

    void saveAsThenSave()
    {
        const QString path = start("sub/pic.bmp");
        QVERIFY(QFile(start("sub/in sub.bmp")).open(QIODevice::WriteOnly) && QFile(start("sub/z.bmp")).open(QIODevice::WriteOnly));
        QVERIFY(!saveAs([&](SavePictureDialog *chooser) {
            KALEIDRA_COMPARE_PICTURE(chooser->grab().toImage(), "chooser-fresh");
            FolderList *folders = chooser->findChild<FolderList *>();
            const int drives = chooser->findChild<DriveList *>()->count();
            folders->setCurrentItem(folders->findItems("sub", Qt::MatchExactly).value(0));
            QTest::keyClick(folders, Qt::Key_Return);
            QCOMPARE(chooser->findChild<DriveList *>()->count(), drives);
            FileList *files = chooser->findChild<FileList *>();
            files->setCurrentItem(files->item(0), QItemSelectionModel::NoUpdate);
            QTest::keyClick(files, Qt::Key_Up);
            QTest::keyClick(files, Qt::Key_Down);
            KALEIDRA_COMPARE_PICTURE(chooser->grab().toImage(), "chooser-folder");
            QLineEdit *name = chooser->findChild<QLineEdit *>();
            name->setText("pic");
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY2(chooser->isVisible() && !QFileInfo::exists(path), "Enter saved");
            // The file holds the drawing as it is when 保存 is clicked.
            m_form->engine().stepPattern();
        }));
        QVERIFY(holdsDrawing(path));

        // A fresh start; an unreadable drive puts the drive list back on the folder shown, which stays and is saved to.
        QVERIFY(!saveAs([&](SavePictureDialog *chooser) {
            QStringList names;
            for (const char *name : { "driveList", "folderList", "fileList", "nameEdit", "saveButton" })
                names << chooser->findChild<QWidget *>(name)->accessibleName();
            // The button is named by its text, 保存.
            QCOMPARE(names, QStringList({ "ドライブ", "フォルダー", "ファイル", "ファイル名", "" }));
            DriveList *drives = chooser->findChild<DriveList *>();
            QCOMPARE(QAccessible::queryAccessibleInterface(drives)->relations(QAccessible::Label).size(), 1);
            // No header item beside the folders.
            FolderList *folders = chooser->findChild<FolderList *>();
            QCOMPARE(QAccessible::queryAccessibleInterface(folders)->childCount(), folders->count());
            // Each drive once.
            for (int i = 0; i < drives->count(); ++i)
                QVERIFY(drives->findData(drives->itemData(i)) == i);
            folders->setPath(start("sub"));
            drives->addItem("Z:", "/no such drive/");
            drives->setCurrentIndex(drives->count() - 1);
            QCOMPARE(QStringList({ drives->drive(), folders->path() }), QStringList({ DriveList::driveOf(start()), start("sub") }));
            // A drive that came after the list was made is added as it is shown.
            drives->setDrive("/new drive/");
            QCOMPARE(drives->drive(), "/new drive/");
        }));
        QCOMPARE(m_form->savePath(), start("sub/File1.bmp"));

        QVERIFY(QFile::remove(start("sub/File1.bmp")) && QDir().mkdir(start("sub/File1.bmp")));
        m_form->saveAction()->trigger();
        QVERIFY2(m_boxes.value(m_boxes.size() - 1).startsWith("critical|"), qPrintable(m_boxes.join('\n')));
        QVERIFY(m_form->saveAction()->isEnabled());
    }
};

QTEST_MAIN(SavingTest)
#include "tst_saving.moc"
