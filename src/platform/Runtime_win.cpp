#include "Runtime.h"

#include <QDir>

#include <windows.h>

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

} // namespace Runtime
