#include "Runtime.h"

#include <QDir>

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace Runtime {

// The system keeps the folder's name even when the folder has been removed.
QString startFolder()
{
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring name(size, L'\0');
    const DWORD length = size ? GetCurrentDirectoryW(size, name.data()) : 0;
    if (length == 0 || length >= size)
        return QString();
    return QDir::fromNativeSeparators(QString::fromWCharArray(name.data(), int(length)));
}

// Where the user's own Pictures folder is, which the user or an administrator
// may have moved, even to another drive.
QString picturesFolder()
{
    wchar_t *name = nullptr;
    QString folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, KF_FLAG_DEFAULT, nullptr, &name)))
        folder = QDir::fromNativeSeparators(QString::fromWCharArray(name));
    CoTaskMemFree(name);
    return folder;
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

} // namespace Runtime
