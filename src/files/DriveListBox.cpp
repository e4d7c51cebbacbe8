#include "DriveListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    // Bind mounts of single files also count as mounted volumes.
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()
            && findData(volume.rootPath()) < 0)
            addDrive(volume.rootPath(), volume.name());
    }
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::driveChanged);
}

QString DriveListBox::drive() const
{
    return currentData().toString();
}

void DriveListBox::setDrive(const QString &root)
{
    const QSignalBlocker quiet(this);
    if (findData(root) < 0)
        addDrive(root, QString());
    setCurrentIndex(findData(root));
}

QString DriveListBox::driveOf(const QString &folder)
{
    const QStorageInfo volume(folder);
    return volume.isValid() ? volume.rootPath() : QDir(folder).rootPath();
}

void DriveListBox::addDrive(const QString &root, const QString &label)
{
    const QString shown = QDir::toNativeSeparators(root);
    addItem(label.isEmpty() ? shown : QStringLiteral("%1 [%2]").arg(shown, label), root);
}
