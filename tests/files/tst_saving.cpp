#include "files/DirListBox.h"
#include "files/DriveListBox.h"
#include "files/FileListBox.h"
#include "files/Form2.h"
#include "files/Module1.h"
#include "files/SavePath.h"
#include "main_window/Form1.h"
#include "main_window/PictureBox.h"
#include "platform/ClockRandom.h"
#include "platform/JapaneseUi.h"
#include "platform/PictureFile.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

#ifndef Q_OS_WIN
#include <sys/mount.h>
#endif

class TstSaving : public QObject {
    Q_OBJECT

    // Opens the chooser, lets act set it up, then clicks 保存; true when the chooser stayed open,
    // and then 保存 shows that it has the keyboard, as after Tab, though a click gave it.
    bool saveAs(const std::function<void(Form2 *)> &act)
    {
        bool open = false;
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            if (auto *chooser = qobject_cast<Form2 *>(QApplication::activeModalWidget())) {
                poll->stop();
                act(chooser);
                auto *button = chooser->findChild<QPushButton *>();
                const QImage unfocused = button->grab().toImage();
                button->setFocus(Qt::MouseFocusReason);
                button->click();
                open = chooser->isVisible();
                const bool framed = !open || QTest::qWaitFor([&] { return button->hasFocus() && button->grab().toImage() != unfocused; });
                chooser->close();
                QVERIFY(framed);
            }
        });
        poll->start(5);
        m_form->findChild<QAction *>(QStringLiteral("mnuSaveAs"))->trigger();
        return open;
    }
    QString start(const QString &name = QString()) const { return QDir::cleanPath(m_start->filePath(name)); }
    QImage picture() const { return m_form->pictureBox()->image().convertToFormat(QImage::Format_RGB32); }
    bool holdsDrawing(const QString &path) const { return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32) == picture(); }

    // A name giving a file name of exactly units with ".bmp", in fill and then "n": UTF-16 units on
    // Windows, bytes elsewhere, as each system counts them.
    static QString nameOf(int units, const QString &fill)
    {
        const auto size = [](const QString &name) { return QDir::separator() == '\\' ? name.size() + 4 : name.toUtf8().size() + 4; };
        QString name;
        while (size(name + fill) <= units)
            name += fill;
        return name + QString(units - size(name), 'n');
    }

    std::unique_ptr<QTemporaryDir> m_start;
    ClockRandom m_random { 20240601u };
    std::unique_ptr<Form1> m_form;
    QStringList m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

private slots:
    void initTestCase() { installJapaneseUi(*qobject_cast<QApplication *>(QCoreApplication::instance())); }

    void init()
    {
        Module1::saveFileName.clear();
        m_boxes.clear();
        m_start = std::make_unique<QTemporaryDir>();
        // A file the chooser's "*.bmp" must leave out of its list.
        QVERIFY(QDir::setCurrent(m_start->path()) && QDir().mkdir("sub") && QFile("notes.txt").open(QIODevice::WriteOnly));
        m_form = std::make_unique<Form1>(m_random);
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
            // A Japanese Yes shows that Qt's own translation is loaded.
            const bool asks = yes && box->icon() == QMessageBox::Warning && box->defaultButton() == yes
                && yes->text().startsWith(QStringLiteral("はい"));
            m_boxes << QString(box->icon() == QMessageBox::Critical ? "critical|" : "") + box->windowTitle() + '|' + box->text();
            (box->button(m_answer) ? box->button(m_answer) : box->buttons().value(0))->click();
            QVERIFY(!yes || asks);
        });
        poll->start(5);
    }

    void cleanup()
    {
        m_form.reset();
        m_start.reset();
        qDeleteAll(findChildren<QTimer *>());
    }

    void vanishedStartFolder()
    {
#ifndef Q_OS_WIN // Windows keeps a process's current folder from being removed.
        QVERIFY(QDir().mkdir("gone") && QDir::setCurrent("gone") && QDir(start()).rmdir("gone"));
        m_form = std::make_unique<Form1>(m_random);
        QVERIFY(!saveAs([&](Form2 *chooser) { QCOMPARE(chooser->findChild<DirListBox *>()->path(), start()); }));
#endif
        QCOMPARE(Form2(picture(), m_form->saveAction(), start("gone/deeper")).findChild<DirListBox *>()->path(), start());
        // Where not even its name is known, the home folder.
        QCOMPARE(Form2(picture(), m_form->saveAction(), QString()).findChild<DirListBox *>()->path(), QDir::homePath());
    }

    // Where the chooser opens: folders of the start folder (m_start), "~" the home folder.
    void chooserFolder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("pictures");
        QTest::addColumn<QString>("opens");
        QTest::newRow("ordinary folder") << "sub" << "" << true << "." << "sub";
        QTest::newRow("program folder") << "sub" << "sub" << true << "." << ".";
        QTest::newRow("unwritable folder") << "sub" << "" << false << "." << ".";
        QTest::newRow("no Pictures folder") << "sub" << "sub" << true << "gone" << "~";
        QTest::newRow("removed start folder") << "gone" << "" << false << "." << "gone";
    }
    void chooserFolder()
    {
        QFETCH(QString, from);
        QFETCH(QString, program);
        QFETCH(bool, writable);
        QFETCH(QString, pictures);
        QFETCH(QString, opens);
        // The program's folder as the system writes it, "\\"-separated on Windows.
        const QString folder = SavePath::chooserFolder(start(from), QDir::toNativeSeparators(start(program)), writable, start(pictures));
        QCOMPARE(folder, opens == "~" ? QDir::homePath() : start(opens));
    }

    // The reason shown comes from the system's error; nothing is written or remembered.
    void failureReasons_data()
    {
        // Of the chosen folder: a medium as given (Linux: a tmpfs mounted here;
        // Windows: a drive the Wine run maps), an empty "a.bmp" held open by
        // another program, or none.
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const QString refused = "ファイル名に使えない文字が含まれています。";
        const QString tooLong = "ファイル名が長すぎます。";
        QTest::newRow("300 characters") << "" << QString(300, 'n') << tooLong;
        QTest::newRow("256 units") << "" << nameOf(256, "n") << tooLong;
        QTest::newRow("256 units, Japanese") << "" << nameOf(256, "万") << tooLong;
        QTest::newRow("NUL") << "" << QStringLiteral("a%1b").arg(QChar(0)) << refused;
        QTest::newRow("folder missing") << "" << "gone/a" << "保存先のフォルダーが見つかりません。";
        // Wine gives a read-only file system the error of a folder one may not write to.
        QTest::newRow("read-only medium") << "ro" << "a"
                                          << (QDir::separator() == '\\' ? "保存先に書き込む権限がありません。" : "保存先は読み取り専用で、書き込めません。");
        QTest::newRow("full medium") << "full" << "a" << "ディスクの空き容量が足りません。";
        QTest::newRow("name of a folder") << "" << "sub" << "同じ名前のフォルダーがあります。";
#ifdef Q_OS_WIN
        // A stream of a file "a", and devices; none may create a file.
        QTest::newRow("colon") << "" << "a:b" << refused;
        const QString device = "CON、NUL、COM1 などは Windows が装置の名前として予約しているため、ファイル名に使えません。";
        QTest::newRow("CON") << "" << "CON" << device;
        QTest::newRow("lpt1 in a folder") << "" << "lpt1.x/a" << device;
        QTest::newRow("file in use") << "open file" << "a" << "ファイルがほかのプログラムで使われているため、書き込めません。";
#endif
    }
    void failureReasons()
    {
        QFETCH(QString, medium);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QString folder = start("m");
        QVERIFY(QDir().mkdir(folder) && QDir(folder).mkdir("sub.bmp"));
        QStringList leftBehind;
        QFile inUse(folder + "/a.bmp");
        if (medium == "open file") {
            QVERIFY(inUse.open(QIODevice::WriteOnly));
            leftBehind << "a.bmp";
        } else if (!medium.isEmpty()) {
#ifdef Q_OS_WIN
            folder = qEnvironmentVariable(qPrintable("KALEIDRA_TEST_DRIVE_" + medium.toUpper().replace(' ', '_')));
            if (folder.isEmpty() || !QDir(folder).exists())
                QSKIP("no such drive is mapped for this run");
#else
            if (mount("tmpfs", QFile::encodeName(folder), "tmpfs", medium == "ro" ? MS_RDONLY : 0, "size=64k") != 0)
                QSKIP(qPrintable("no tmpfs can be mounted here: " + qt_error_string(errno)));
#endif
        }
#ifndef Q_OS_WIN
        const auto unmount = qScopeGuard([&] { umount2(QFile::encodeName(folder), MNT_DETACH); });
#endif
        QVERIFY(saveAs([&](Form2 *chooser) {
            chooser->findChild<DirListBox *>()->setPath(folder);
            chooser->findChild<QLineEdit *>()->setText(name);
        }));
        QVERIFY2(m_boxes.value(0).startsWith("critical|") && m_boxes.value(0).endsWith(reason), qPrintable(m_boxes.value(0)));
        // A long name is broken every 40 characters so that the box fits on the screen.
        QVERIFY(name.size() < 300 || m_boxes.value(0).contains(QChar(0x200B) + QString(40, 'n') + QChar(0x200B)));
        QVERIFY(Module1::saveFileName.isEmpty() && !m_form->saveAction()->isEnabled());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden) + QDir(start()).entryList({ "a*", "s*" }, QDir::Files), leftBehind);
    }

    void saveAsThenSave()
    {
        const QString path = start("sub/pic.bmp");
        QVERIFY(QFile(start("sub/in sub.bmp")).open(QIODevice::WriteOnly));
        QVERIFY(!saveAs([&](Form2 *chooser) {
            DirListBox *folders = chooser->findChild<DirListBox *>();
            const int drives = chooser->findChild<DriveListBox *>()->count();
            folders->setCurrentItem(folders->findItems("sub", Qt::MatchRecursive).value(0));
            QTest::keyClick(folders, Qt::Key_Return);
            const FileListBox *files = chooser->findChild<FileListBox *>();
            QVERIFY(files->count() == 1 && files->item(0)->text() == QStringLiteral("in sub.bmp"));
            QCOMPARE(chooser->findChild<DriveListBox *>()->count(), drives);
            QLineEdit *name = chooser->findChild<QLineEdit *>();
            name->setText("pic");
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY2(chooser->isVisible() && !QFileInfo::exists(path), "Enter saved");
            // The file holds the drawing as it is when 保存 is clicked.
            m_form->engine().stepPattern();
        }));
        QVERIFY(holdsDrawing(path));

        // A fresh start; an unreadable drive puts the drive list back on the folder shown, saved to.
        QVERIFY(!saveAs([&](Form2 *chooser) {
            QCOMPARE(chooser->findChild<QLineEdit *>()->text(), QStringLiteral("File1"));
            QStringList names;
            for (const char *name : { "Drive1", "Dir1", "File1", "txtTargetFile", "Command1" })
                names << chooser->findChild<QWidget *>(name)->accessibleName();
            // The button is named by its text, 保存.
            QCOMPARE(names, QStringList({ "ドライブ", "フォルダー", "ファイル", "ファイル名", "" }));
            // The start folder holds no picture: the file list is empty.
            chooser->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(chooser));
            for (const char *name : { "Drive1", "Dir1", "File1" }) {
                QWidget *list = chooser->findChild<QWidget *>(name);
                chooser->findChild<QLineEdit *>()->setFocus();
                const QImage unfocused = list->grab().toImage();
                list->setFocus();
                QVERIFY2(list->grab().toImage() != unfocused, name);
            }
            // Every folder from the root down, and no header item beside them.
            DirListBox *folders = chooser->findChild<DirListBox *>();
            // The root as the system writes it: "/", or "C:\" on Windows.
            QCOMPARE(folders->item(0)->text(), QDir::toNativeSeparators(start().left(start().indexOf('/') + 1)));
            QCOMPARE(QAccessible::queryAccessibleInterface(folders)->childCount(), folders->count());
            DriveListBox *drives = chooser->findChild<DriveListBox *>();
            // Each drive once, and on Windows as a drive letter, C: among them.
            for (int i = 0; i < drives->count(); ++i)
                QVERIFY(drives->findData(drives->itemData(i)) == i
                        && (QDir::separator() == '/' || (QRegularExpression("^[A-Z]:/$").match(drives->itemData(i).toString()).hasMatch() && drives->findData("C:/") >= 0)));
            drives->addItem("Z:", "/no such drive/");
            drives->setCurrentIndex(drives->count() - 1);
            QCOMPARE(drives->drive(), DriveListBox::driveOf(start()));
        }));
        QCOMPARE(Module1::saveFileName, start("File1.bmp"));

        QVERIFY(QFile::remove(start("File1.bmp")) && QDir().mkdir(start("File1.bmp")));
        m_form->saveAction()->trigger();
        QVERIFY2(m_boxes.value(m_boxes.size() - 1).startsWith("critical|"), qPrintable(m_boxes.join('\n')));
        QVERIFY(m_form->saveAction()->isEnabled());
    }

    void savingThroughALink()
    {
        QVERIFY(QFile("sub/real.bmp").open(QIODevice::WriteOnly));
        if (!QFile::link("sub/real.bmp", "link.bmp") || !QFileInfo("link.bmp").isSymbolicLink())
            QSKIP("no symbolic links here");
        QVERIFY(PictureFile::writeBmp(picture(), start("link.bmp")).ok());
        QVERIFY(QFileInfo("link.bmp").isSymbolicLink() && holdsDrawing(start("sub/real.bmp")));
    }

    void chooserSave_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("name"); // typed; null: the existing file is clicked in the list
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("saved");
        const int yes = QMessageBox::Yes, no = QMessageBox::No, none = QMessageBox::NoButton;
        // X.bmp is another file where names differ in case, the same one elsewhere.
        const int xAnswer = QFileInfo::exists(QDir::tempPath().toUpper()) ? yes : none;
        QTest::newRow("Yes replaces one byte") << "old.bmp" << 1 << QString() << yes << "old.bmp" << true;
        QTest::newRow("No writes nothing") << "old.bmp" << 9 << QString() << no << "old.bmp" << false;
        QTest::newRow("empty file, no question") << "old.bmp" << 0 << QString() << none << "old.bmp" << true;
        QTest::newRow("X.BMP picked") << "X.BMP" << 9 << QString() << xAnswer << "X.bmp" << true;
        QTest::newRow("a.bmp typed") << "old.bmp" << 9 << "a.bmp" << none << "a.bmp.bmp" << true;
        QTest::newRow("empty name") << "old.bmp" << 9 << "" << none << ".bmp" << true;
        QTest::newRow("Japanese name") << "old.bmp" << 9 << " 万華鏡 １" << none << " 万華鏡 １.bmp" << true;
        // The longest names the system takes: the file written beside them first must not be longer.
        for (const auto &[units, fill] : { std::pair(254, "n"), std::pair(255, "n"), std::pair(255, "万") })
            QTest::addRow("%d units of %s", units, fill) << "old.bmp" << 9 << nameOf(units, fill) << none << nameOf(units, fill) + ".bmp" << true;
    }

    void chooserSave()
    {
        QFETCH(QString, existing);
        QFETCH(int, length);
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(QString, target);
        QFETCH(bool, saved);
        QFile file(start(existing));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(length, 'x')) == length);
        file.close();
        m_answer = QMessageBox::StandardButton(answer);
        const QString path = start(target);

        QVERIFY(!saveAs([&](Form2 *chooser) {
            QLineEdit *box = chooser->findChild<QLineEdit *>();
            FileListBox *list = chooser->findChild<FileListBox *>();
            if (!name.isNull())
                box->setText(name);
            else if (QTest::currentDataTag() == QByteArray("No writes nothing")) {
                // As after tabbing in: the cursor on the one name, not picked yet.
                list->setCurrentItem(list->item(0), QItemSelectionModel::NoUpdate);
                QTest::keyClick(list, Qt::Key_Down);
            } else
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            QCOMPARE(box->text(), name.isNull() ? QFileInfo(target).completeBaseName() : name);
        }));
        QCOMPARE(m_boxes.size(), int(answer != QMessageBox::NoButton));
        if (answer != QMessageBox::NoButton)
            QCOMPARE(m_boxes.first(), "ピコパタン|" + QDir::toNativeSeparators(path) + " ファイルは既に存在します。上書きしますか？");
        QCOMPARE(Module1::saveFileName, saved ? path : QString());
        QCOMPARE(m_form->saveAction()->isEnabled(), saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() == QByteArray(length, 'x'), !saved || QFileInfo(file) != QFileInfo(path));
        if (saved)
            QVERIFY(holdsDrawing(path));
        else
            QCOMPARE(QDir(start()).entryList(QDir::Files | QDir::Hidden), QStringList({ "notes.txt", existing }));
    }
};

QTEST_MAIN(TstSaving)
#include "tst_saving.moc"
