#include "system/Runtime.h"

#include <QDir>

#include <windows.h>

namespace Runtime {

// Windows keeps the folder's name even when the folder has been removed, so
// Qt's answer holds then too.
QString startFolder()
{
    return QDir::currentPath();
}

// Only the system knows what its access lists, a read-only medium or a
// network share allow, so it is asked to make a file that goes again when
// closed.
bool canWriteIn(const QString &folder)
{
    const QString probe = QDir(folder).filePath(QStringLiteral("~kaleidra-%1.tmp").arg(GetCurrentProcessId()));
    const HANDLE file = CreateFileW(QDir::toNativeSeparators(probe).toStdWString().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS;
    CloseHandle(file);
    return true;
}

// Every Windows session has a desktop to show windows on.
bool hasDisplay(int, char *[])
{
    return true;
}

} // namespace Runtime
