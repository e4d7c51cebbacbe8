#include "DriveListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace {

// Only media the system mounted from a device under its places for them;
// pseudo file systems and bind mounts, of single files too, are no drives.
bool isRemovableMedium(const QStorageInfo &volume)
{
    const QString root = volume.rootPath();
    const bool mediaPlace = root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"))
        || root.startsWith(QLatin1String("/mnt/"));
    return mediaPlace && volume.device().startsWith("/dev/") && volume.isReady() && QFileInfo(root).isDir();
}

bool holds(const QString &root, const QString &folder)
{
    return folder == root || folder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

} // namespace

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    for (const QString &root : drives())
        addDrive(root, QStorageInfo(root).name());
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

QStringList DriveListBox::drives()
{
    QStringList roots { QStorageInfo::root().rootPath() };
    const QStorageInfo home(QDir::homePath());
    if (home.isValid() && home.isReady())
        roots << home.rootPath();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && isRemovableMedium(volume))
            roots << volume.rootPath();
    }
    roots.removeDuplicates();
    return roots;
}

QString DriveListBox::driveOf(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QString nearest = QDir(path).rootPath();
    for (const QString &root : drives()) {
        if (holds(root, path) && root.size() > nearest.size())
            nearest = root;
    }
    return nearest;
}

void DriveListBox::addDrive(const QString &root, const QString &label)
{
    const QString shown = QDir::toNativeSeparators(root);
    addItem(label.isEmpty() ? shown : QStringLiteral("%1 [%2]").arg(shown, label), root);
}
