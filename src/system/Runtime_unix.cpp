#include "system/Runtime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace Runtime {

QString startFolder()
{
    const QString current = QDir::currentPath();
    if (!current.isEmpty())
        return current;
    // The system cannot give the path of a removed folder, but its process
    // file system remembers the name with a mark appended. A folder that
    // happens to bear the marked name is another one.
    const QString deletedMark = QStringLiteral(" (deleted)");
    QString named = QFileInfo(QStringLiteral("/proc/self/cwd")).symLinkTarget();
    if (named.endsWith(deletedMark))
        named.chop(deletedMark.size());
    return QDir::isAbsolutePath(named) ? QDir::cleanPath(named) : QString();
}

// A read-only medium answers no as well as the folder's permissions do.
bool canWriteIn(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace Runtime
