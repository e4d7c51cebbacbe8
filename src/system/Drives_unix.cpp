#include "system/Drives.h"

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

QStringList roots()
{
    QStringList found { QStorageInfo::root().rootPath() };
    const QStorageInfo home(QDir::homePath());
    if (home.isReady())
        found << home.rootPath();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (isRemovableMedium(volume))
            found << volume.rootPath();
    }
    found.removeDuplicates();
    return found;
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseSensitive;
}

} // namespace Drives
