#include "Runtime.h"

#include <QDir>
#include <QFileInfo>

namespace Runtime {

QString startFolder()
{
    const QString current = QDir::currentPath();
    if (!current.isEmpty())
        return current;
    // The system cannot give the path of a removed folder, but its process
    // file system remembers the name with a mark appended.
    const QString deletedMark = QStringLiteral(" (deleted)");
    QString named = QFileInfo(QStringLiteral("/proc/self/cwd")).symLinkTarget();
    if (named.endsWith(deletedMark) && !QFileInfo::exists(named))
        named.chop(deletedMark.size());
    return QDir::isAbsolutePath(named) ? QDir::cleanPath(named) : QString();
}

} // namespace Runtime
