#include "system/Runtime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#include <unistd.h>
#include <xcb/xcb.h>

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

// Qt takes X or Wayland unless told of another platform, and reaches either
// only through the variable naming its display. Where X is the only way, the
// display named must also answer: Qt would abort on one that is gone.
bool hasDisplay(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool xOrWayland = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (!xOrWayland || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

} // namespace Runtime
