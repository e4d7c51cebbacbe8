#include "Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace Drives {

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

} // namespace

QList<Drive> list()
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
    QList<Drive> drives;
    for (const QString &root : std::as_const(roots))
        drives << Drive { root, QStorageInfo(root).name() };
    return drives;
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseSensitive;
}

} // namespace Drives
