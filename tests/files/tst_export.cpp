#include "files/ExportDialog.h"
#include "main_window/DrawingArea.h"
#include "main_window/MainWindow.h"
#include "pattern/ClockRandom.h"
#include "pattern/ScaledPicture.h"
#include "ReferencePicture.h"
#include "widgets/JapaneseUi.h"

#include <QtTest>
#include <QtWidgets>

// File > エクスポート as a user meets it: the window, the system's save window, the progress and
// its キャンセル, and failures told as Save tells them.
class ExportTest : public QObject {
    Q_OBJECT

    // Runs act on each window that comes up while File > エクスポート is under way, until done says so.
    void exportWith(const std::function<void(QWidget *)> &act, const std::function<bool()> &done)
    {
        QTimer poll;
        QPointer<QWidget> last;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window) {
                const auto progress = m_window->findChildren<QProgressDialog *>();
                window = progress.isEmpty() ? nullptr : progress.constFirst();
            }
            if (window && window != last) {
                last = window;
                act(window);
            }
        });
        poll.start(5);
        m_window->findChild<QAction *>(QStringLiteral("exportAction"))->trigger();
        QVERIFY2(QTest::qWaitFor(done, 60000), "the export did not end");
    }

    // The export window set to row of each list, its save window given path.
    std::function<void(QWidget *)> choose(int size, int format, const QString &path)
    {
        return [=](QWidget *window) {
            if (auto *dialog = qobject_cast<ExportDialog *>(window)) {
                dialog->findChild<QComboBox *>(QStringLiteral("sizeList"))->setCurrentIndex(size);
                dialog->findChild<QComboBox *>(QStringLiteral("formatList"))->setCurrentIndex(format);
                // Queued, as what they open runs an event loop of its own, which this one must not hold up.
                QMetaObject::invokeMethod(dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Return); }, Qt::QueuedConnection);
            } else if (auto *files = qobject_cast<QFileDialog *>(window)) {
                files->selectFile(path);
                QMetaObject::invokeMethod(files, [files] { static_cast<QDialog *>(files)->accept(); }, Qt::QueuedConnection);
            } else if (auto *box = qobject_cast<QMessageBox *>(window)) {
                m_boxes << box->text();
                (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->buttons().constFirst())->click();
            }
        };
    }

    bool exportDone() const { return m_window->findChildren<QProgressDialog *>().isEmpty() && m_window->findChild<QAction *>(QStringLiteral("exportAction"))->isEnabled(); }
    // The files of the test's folder.
    QStringList files() const { return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir m_folder;
    kaleidra::ClockRandom m_random { 20261210u };
    std::unique_ptr<MainWindow> m_window;
    QStringList m_boxes;

private slots:
    void initTestCase()
    {
        installJapaneseUi(*qobject_cast<QApplication *>(QCoreApplication::instance()));
        QVERIFY(m_folder.isValid());
    }

    void init()
    {
        m_boxes.clear();
        m_window = std::make_unique<MainWindow>(m_random);
        m_window->engine().toggleRun();
        for (int i = 0; i < 20; ++i)
            m_window->engine().tick();
    }

    void cleanup()
    {
        m_window.reset();
        for (const QString &name : files())
            QFile::remove(m_folder.filePath(name));
    }

    // What is written is the picture when File > エクスポート was chosen, though the run draws on
    // meanwhile: at its size as on screen, drawn again at a larger one, in the format chosen.
    void writesPictureAsAsked_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("630, PNG") << 0 << 0 << 1 << QByteArray("png");
        QTest::newRow("1260, BMP") << 1 << 1 << 2 << QByteArray("bmp");
        QTest::newRow("2520, PNG") << 2 << 0 << 4 << QByteArray("png");
    }
    void writesPictureAsAsked()
    {
        QFETCH(int, size);
        QFETCH(int, format);
        QFETCH(int, scale);
        QFETCH(QByteArray, type);
        kaleidra::ScaledPicture expected(scale);
        kaleidra::redrawFigures(m_window->figures(), expected, [](std::size_t) { return true; });
        const QImage screen = m_window->drawingArea()->image().convertToFormat(QImage::Format_RGB32).copy();
        const std::size_t figures = m_window->figures().size();
        const QString path = m_folder.filePath("shared");
        exportWith([&](QWidget *window) {
            // While the windows are open, the run goes on.
            QVERIFY(QTest::qWaitFor([&] { return m_window->figures().size() > figures; }));
            choose(size, format, path)(window);
        }, [&] { return exportDone(); });
        QCOMPARE(m_boxes, QStringList());
        QCOMPARE(files(), QStringList("shared." + type));
        QImageReader reader(path + '.' + type);
        QCOMPARE(reader.format(), type);
        const QImage written = reader.read().convertToFormat(QImage::Format_RGB32);
        const QImage drawn(reinterpret_cast<const uchar *>(expected.bits()), expected.side(), expected.side(), QImage::Format_RGB32);
        QCOMPARE(written.size(), QSize(630 * scale, 630 * scale));
        QVERIFY2(written == (scale == 1 ? screen : drawn), "the file is not the picture as it was when asked for");
    }

    // A long export shows its progress; キャンセル there writes nothing and leaves the file it would
    // have replaced as it was, while the main window draws on.
    void cancelWritesNothing()
    {
        for (int i = 0; i < 3000; ++i)
            m_window->engine().stepPattern();
        QFile old(m_folder.filePath("old.png"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        std::size_t figuresAtCancel = 0;
        exportWith([&](QWidget *window) {
            if (auto *progress = qobject_cast<QProgressDialog *>(window)) {
                QVERIFY2(QTest::qWaitFor([progress] { return progress->isVisible(); }), "a long export showed no progress");
                auto *cancel = progress->findChild<QPushButton *>();
                QCOMPARE(cancel->text(), QStringLiteral("キャンセル"));
                figuresAtCancel = m_window->figures().size();
                cancel->click();
            } else {
                choose(3, 0, old.fileName())(window);
            }
        }, [&] { return exportDone(); });
        QVERIFY2(figuresAtCancel > 3020, "the run stopped drawing during the export");
        // Only the save window's question whether to replace the file.
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(files(), QStringList("old.png"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    // A file that cannot be written is told in the words Save uses, and nothing is left behind.
    void failureTold()
    {
        const QString path = m_folder.filePath("gone/a.png");
        exportWith(choose(1, 0, path), [&] { return exportDone(); });
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes.constFirst().contains("保存先のフォルダーが見つかりません。") && m_boxes.constFirst().contains(QDir::toNativeSeparators(path)),
                 qPrintable(m_boxes.constFirst()));
        QCOMPARE(files(), QStringList());
    }

    // The window as it first opens, with a name for each list and a name of the moment to offer; キャンセル closes it.
    void windowLooks()
    {
        ExportDialog dialog(m_folder.path());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        KALEIDRA_COMPARE_PICTURE(dialog.grab().toImage(), QStringLiteral("export"));
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("sizeList"))->accessibleName(), QStringLiteral("大きさ"));
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("formatList"))->accessibleName(), QStringLiteral("形式"));
        QCOMPARE(ExportDialog::proposedName(QDateTime(QDate(2026, 12, 9), QTime(18, 45, 0)), "png"), QStringLiteral("kaleidra-2026-12-09-184500.png"));
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        QVERIFY2(!dialog.isVisible(), "キャンセル left the window open");
    }
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
