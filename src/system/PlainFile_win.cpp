#include "system/PlainFile.h"

#include <windows.h>

namespace PlainFile {

namespace {

// Closes the handle however the read ends.
struct Handle {
    HANDLE value;
    ~Handle()
    {
        if (value != INVALID_HANDLE_VALUE)
            CloseHandle(value);
    }
};

} // namespace

Contents read(const QString &path, qint64 limit)
{
    // Opened before anything is asked of it: a folder opens too, for
    // backup, and a pipe or a device such as CON opens without waiting.
    const Handle file { CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr) };
    if (file.value == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return { {}, missing ? Failure::Missing : Failure::Unreadable };
    }
    FILE_STANDARD_INFO information {};
    if (GetFileType(file.value) != FILE_TYPE_DISK
        || !GetFileInformationByHandleEx(file.value, FileStandardInfo, &information, sizeof information) || information.Directory)
        return { {}, Failure::NotAFile };
    if (information.EndOfFile.QuadPart > limit)
        return { {}, Failure::TooLarge };

    // A file grown since is cut off past the limit, not read to its end.
    QByteArray bytes(int(limit + 1), Qt::Uninitialized);
    qint64 done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.value, bytes.data() + done, DWORD(bytes.size() - done), &got, nullptr))
            return { {}, Failure::Unreadable };
        if (got == 0)
            break;
        done += got;
    }
    if (done > limit)
        return { {}, Failure::TooLarge };
    bytes.truncate(int(done));
    return { bytes, Failure::None };
}

} // namespace PlainFile
