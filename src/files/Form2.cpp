#include "Form2.h"

#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "Module1.h"
#include "SavePath.h"
#include "SavePicture.h"
#include "platform/FocusRing.h"
#include "platform/Icons.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form2::Form2(const QImage &picture, QAction *mnuSave, const QString &startFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_picture(picture)
    , m_mnuSave(mnuSave)
    , m_startFolder(startFolder)
{
    Q_ASSERT(mnuSave);
    setWindowTitle(QStringLiteral("画像を保存"));
    setWindowIcon(Icons::picture());
    resize(clientWidth, clientHeight);
    buildControls();

    // A start folder removed since gives way to its nearest parent that can
    // be listed, an unknown one to the home folder: the chooser only ever
    // shows, and saves to, a real folder.
    QString folder = startFolder;
    while (!folder.isEmpty() && !Dir1->setPath(folder))
        folder = QDir(folder).isRoot() ? QString() : QFileInfo(folder).absolutePath();
    if (folder.isEmpty())
        Dir1->setPath(QDir::homePath());
}

Form2::~Form2() = default;

// Tab visits the controls in the order they are made.
void Form2::buildControls()
{
    Drive1 = new DriveListBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(QStringLiteral("ドライブ"));
    // Screen readers on Linux name a drop-down after the label it has as its
    // buddy, and announce the current drive as its name otherwise. The
    // window has no room for a caption, so the label is never shown.
    auto *driveCaption = new QLabel(QStringLiteral("ドライブ"), this);
    driveCaption->setBuddy(Drive1);
    driveCaption->hide();
    Drive1->setGeometry(8, 8, 257, 20);
    connect(Drive1, &DriveListBox::driveChanged, this, &Form2::Drive1_Change);

    Dir1 = new DirListBox(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(QStringLiteral("フォルダー"));
    Dir1->setGeometry(8, 40, 249, 146);
    connect(Dir1, &DirListBox::pathChanged, this, &Form2::Dir1_Change);

    File1 = new FileListBox(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("ファイル"));
    File1->setGeometry(8, 192, 249, 150);
    // Clicking the picked file again brings its name back; arrow keys pick too.
    connect(File1, &QListWidget::itemClicked, this, &Form2::File1_Click);
    connect(File1, &QListWidget::itemSelectionChanged, this, &Form2::File1_Click);

    txtTargetFile = new QLineEdit(QStringLiteral("File1"), this);
    txtTargetFile->setObjectName(QStringLiteral("txtTargetFile"));
    txtTargetFile->setAccessibleName(QStringLiteral("ファイル名"));
    txtTargetFile->setGeometry(8, 352, 249, 18);

    Command1 = new QPushButton(QStringLiteral("保存"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(272, 328, 65, 49);
    // Enter in the name box or a list must not save.
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    // Fusion marks the focus only on a list's current entry, and a
    // drop-down's not at all.
    for (QWidget *list : std::initializer_list<QWidget *> { Drive1, Dir1, File1 })
        new FocusRing(list);
}

void Form2::setFilePattern(const QString &pattern)
{
    File1->setPattern(pattern);
}

// A drive's current folder is the start folder on its own drive, the root
// on any other, since the program never changes the current folder.
void Form2::Drive1_Change()
{
    const QString drive = Drive1->drive();
    const bool startDrive = DriveListBox::driveOf(m_startFolder) == drive;
    if (!Dir1->setPath(startDrive ? m_startFolder : drive))
        Drive1->setDrive(DriveListBox::driveOf(Dir1->path()));
}

// Folders of other mounted file systems are reached through the folder list
// too; the drive list follows, so it always names the drive saved to.
void Form2::Dir1_Change()
{
    File1->setPath(Dir1->path());
    Drive1->setDrive(DriveListBox::driveOf(Dir1->path()));
}

void Form2::File1_Click()
{
    const QList<QListWidgetItem *> picked = File1->selectedItems();
    if (!picked.isEmpty())
        txtTargetFile->setText(SavePath::nameFromListedFile(picked.first()->text()));
}

void Form2::Command1_Click()
{
    const QString path = SavePath::targetPath(Dir1->path(), txtTargetFile->text());
    if (PictureFile::length(path) > 0) {
        const QString question = QDir::toNativeSeparators(path)
            + QStringLiteral(" ファイルは既に存在します。上書きしますか？");
        if (!MessageBoxes::askYesNo(this, QStringLiteral("ピコパタン"), question)) {
            reject();
            return;
        }
    }
    // The user may try another folder or name after a failure.
    if (!savePicture(m_picture, path, this))
        return;
    Module1::saveFileName = path;
    m_mnuSave->setEnabled(true);
    accept();
}
