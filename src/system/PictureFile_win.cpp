#include "system/PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <memory>
#include <utility>

#include <windows.h>

namespace PictureFile {

namespace {

// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers lack.
constexpr DWORD diskQuotaExceeded = 1295;

struct SystemError {
    DWORD code;
    Failure failure;
};

constexpr SystemError systemErrors[] = {
    { ERROR_FILENAME_EXCED_RANGE, Failure::NameTooLong },
    { ERROR_BUFFER_OVERFLOW, Failure::NameTooLong },
    { ERROR_INVALID_NAME, Failure::CharacterRefused },
    { ERROR_BAD_PATHNAME, Failure::CharacterRefused },
    { ERROR_PATH_NOT_FOUND, Failure::FolderMissing },
    { ERROR_FILE_NOT_FOUND, Failure::FolderMissing },
    { ERROR_BAD_NETPATH, Failure::FolderMissing },
    { ERROR_BAD_NET_NAME, Failure::FolderMissing },
    { ERROR_DIRECTORY, Failure::FolderMissing },
    { ERROR_INVALID_DRIVE, Failure::FolderMissing },
    { ERROR_WRITE_PROTECT, Failure::ReadOnlyMedium },
    { ERROR_NOT_READY, Failure::DriveNotReady },
    { ERROR_DISK_FULL, Failure::DiskFull },
    { ERROR_HANDLE_DISK_FULL, Failure::DiskFull },
    { diskQuotaExceeded, Failure::DiskFull },
    { ERROR_FILE_TOO_LARGE, Failure::TooLarge },
    { ERROR_ACCESS_DENIED, Failure::AccessDenied },
    { ERROR_SHARING_VIOLATION, Failure::InUse },
    { ERROR_LOCK_VIOLATION, Failure::InUse },
};

// Names Windows takes for devices, whatever follows the first dot: CON.bmp
// is the console, not a file.
bool isDeviceName(const QString &component)
{
    static const QStringList devices { QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                       QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$") };
    const QString stem = component.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (devices.contains(stem))
        return true;
    const bool numbered = stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")));
    return numbered && stem[3] >= QLatin1Char('1') && stem[3] <= QLatin1Char('9');
}

// What Windows would take for something other than a file name in the
// folders and the name below the drive: a ":" writes into a hidden stream of
// another file, "*" and "?" are wildcards, a device name is a device. The
// system refuses control characters itself, as an invalid name.
SaveResult refusal(const QString &path)
{
    QStringList components = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!components.isEmpty() && components.first().size() == 2 && components.first()[1] == QLatin1Char(':'))
        components.removeFirst();
    for (const QString &component : std::as_const(components)) {
        if (component.size() > 255)
            return { Failure::NameTooLong, {} };
        for (const QChar c : component) {
            if (QStringLiteral(":*?\"<>|").contains(c))
                return { Failure::CharacterRefused, {} };
        }
        if (isDeviceName(component))
            return { Failure::ReservedName, {} };
    }
    return {};
}

// Long paths are passed whole, past the 260 characters the plain form allows.
std::wstring systemName(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    return (native.size() < MAX_PATH ? native : QStringLiteral("\\\\?\\") + native).toStdWString();
}

// Whether another program holds the file open without letting it be
// replaced.
bool isHeldOpen(const std::wstring &name)
{
    const HANDLE file = CreateFileW(name.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

} // namespace

SaveResult failureOf(qint64 code)
{
    for (const SystemError &error : systemErrors) {
        if (error.code == code)
            return { error.failure, {} };
    }
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, DWORD(code), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    // The system made the buffer; it is handed back once the words are copied.
    const std::unique_ptr<wchar_t, HLOCAL (*)(HLOCAL)> owned(text, LocalFree);
    return { Failure::Other, QString::fromWCharArray(text, int(length)).trimmed() };
}

SaveResult writeWhole(const QByteArray &bytes, const QString &path)
{
    Q_ASSERT(!path.contains(QChar::Null));
    // "\" separates folders as "/" does, and ".." is taken back as the system would.
    const QString target = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (const SaveResult refused = refusal(target); !refused.ok())
        return refused;
    // A rename needs leave to write in the folder only; a file made read-only
    // stays as it is, as it would for a write in place.
    const DWORD attributes = GetFileAttributesW(systemName(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return failureOf(ERROR_ACCESS_DENIED);

    // Written under a short name of its own beside the target, which it
    // replaces only once complete: a failure leaves an earlier file as it was,
    // and a target name near the system's limit is never made longer.
    const QDir folder = QFileInfo(target).dir();
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = systemName(folder.filePath(QStringLiteral("~kaleidra-%1-%2.tmp").arg(GetCurrentProcessId()).arg(attempt)));
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return failureOf(GetLastError());
    }

    DWORD failure = ERROR_SUCCESS;
    for (qint64 done = 0; failure == ERROR_SUCCESS && done < bytes.size();) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.constData() + done, DWORD(bytes.size() - done), &written, nullptr))
            failure = GetLastError();
        done += written;
    }
    if (failure == ERROR_SUCCESS && !FlushFileBuffers(file))
        failure = GetLastError();
    CloseHandle(file);
    if (failure == ERROR_SUCCESS
        && !MoveFileExW(temporary.c_str(), systemName(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failure = GetLastError();
    if (failure == ERROR_SUCCESS)
        return {};
    DeleteFileW(temporary.c_str());
    // Windows words a file another program holds open as access denied.
    if (failure == ERROR_ACCESS_DENIED && isHeldOpen(systemName(target)))
        return { Failure::InUse, {} };
    return failureOf(failure);
}

} // namespace PictureFile
