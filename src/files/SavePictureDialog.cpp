#include "files/SavePictureDialog.h"

#include "files/DriveList.h"
#include "files/FileList.h"
#include "files/FolderList.h"
#include "files/SavePath.h"
#include "files/SavePicture.h"
#include "system/PictureFile.h"
#include "widgets/FocusRing.h"
#include "widgets/Icons.h"
#include "widgets/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SavePictureDialog::SavePictureDialog(const QImage &picture, const QString &startFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_picture(picture)
    , m_startFolder(startFolder)
{
    setWindowTitle(QStringLiteral("画像を保存"));
    setWindowIcon(Icons::picture());
    resize(clientWidth, clientHeight);
    buildControls();

    // A start folder removed since gives way to its nearest parent that can
    // be listed, an unknown one to the home folder: the chooser only ever
    // shows, and saves to, a real folder.
    QString folder = startFolder;
    while (!folder.isEmpty() && !m_folders->setPath(folder))
        folder = QDir(folder).isRoot() ? QString() : QFileInfo(folder).absolutePath();
    if (folder.isEmpty())
        m_folders->setPath(QDir::homePath());
}

SavePictureDialog::~SavePictureDialog() = default;

// Tab visits the controls in the order they are made.
void SavePictureDialog::buildControls()
{
    m_drives = new DriveList(this);
    m_drives->setObjectName(QStringLiteral("driveList"));
    m_drives->setAccessibleName(QStringLiteral("ドライブ"));
    // Screen readers on Linux name a drop-down after the label it has as its
    // buddy, and announce the current drive as its name otherwise. The
    // window has no room for a caption, so the label is never shown.
    auto *driveCaption = new QLabel(QStringLiteral("ドライブ"), this);
    driveCaption->setBuddy(m_drives);
    driveCaption->hide();
    m_drives->setGeometry(8, 8, 257, 20);
    connect(m_drives, &DriveList::driveChanged, this, &SavePictureDialog::driveChanged);

    m_folders = new FolderList(this);
    m_folders->setObjectName(QStringLiteral("folderList"));
    m_folders->setAccessibleName(QStringLiteral("フォルダー"));
    m_folders->setGeometry(8, 40, 249, 146);
    connect(m_folders, &FolderList::pathChanged, this, &SavePictureDialog::folderChanged);

    m_files = new FileList(this);
    m_files->setObjectName(QStringLiteral("fileList"));
    m_files->setAccessibleName(QStringLiteral("ファイル"));
    m_files->setGeometry(8, 192, 249, 150);
    // Clicking the picked file again brings its name back; arrow keys pick too.
    connect(m_files, &QListWidget::itemClicked, this, &SavePictureDialog::fileClicked);
    connect(m_files, &QListWidget::itemSelectionChanged, this, &SavePictureDialog::fileClicked);

    // The name the chooser has always offered first.
    m_name = new QLineEdit(QStringLiteral("File1"), this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setAccessibleName(QStringLiteral("ファイル名"));
    m_name->setGeometry(8, 352, 249, 18);

    m_saveButton = new QPushButton(QStringLiteral("保存"), this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setGeometry(272, 328, 65, 49);
    // Enter in the name box or a list must not save.
    m_saveButton->setAutoDefault(false);
    connect(m_saveButton, &QPushButton::clicked, this, &SavePictureDialog::saveChosen);

    // Fusion marks the focus only on a list's current entry, and a
    // drop-down's not at all.
    for (QWidget *list : std::initializer_list<QWidget *> { m_drives, m_folders, m_files })
        new FocusRing(list);
}

void SavePictureDialog::setFilePattern(const QString &pattern)
{
    m_files->setPattern(pattern);
}

// A drive's current folder is the start folder on its own drive, the root
// on any other, since the program never changes the current folder.
void SavePictureDialog::driveChanged()
{
    const QString drive = m_drives->drive();
    const bool startDrive = DriveList::driveOf(m_startFolder) == drive;
    if (!m_folders->setPath(startDrive ? m_startFolder : drive))
        m_drives->setDrive(DriveList::driveOf(m_folders->path()));
}

// Folders of other mounted file systems are reached through the folder list
// too; the drive list follows, so it always names the drive saved to.
void SavePictureDialog::folderChanged()
{
    m_files->setPath(m_folders->path());
    m_drives->setDrive(DriveList::driveOf(m_folders->path()));
}

void SavePictureDialog::fileClicked()
{
    const QList<QListWidgetItem *> picked = m_files->selectedItems();
    if (!picked.isEmpty())
        m_name->setText(SavePath::nameFromListedFile(picked.first()->text()));
}

void SavePictureDialog::saveChosen()
{
    const QString path = SavePath::targetPath(m_folders->path(), m_name->text());
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
    emit saved(path);
    accept();
}
