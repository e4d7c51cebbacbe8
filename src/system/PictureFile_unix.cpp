#include "system/PictureFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PictureFile {

namespace {

struct SystemError {
    int number;
    Failure failure;
};

constexpr SystemError systemErrors[] = {
    { ENAMETOOLONG, Failure::NameTooLong },
    { EILSEQ, Failure::CharacterRefused },
    { EINVAL, Failure::CharacterRefused },
    { ENOENT, Failure::FolderMissing },
    { ENOTDIR, Failure::FolderMissing },
    { EISDIR, Failure::FolderInTheWay },
    { EROFS, Failure::ReadOnlyMedium },
    { ENOMEDIUM, Failure::DriveNotReady },
    { ENOSPC, Failure::DiskFull },
    { EDQUOT, Failure::DiskFull },
    { EFBIG, Failure::TooLarge },
    { EACCES, Failure::AccessDenied },
    { EPERM, Failure::AccessDenied },
};

// The bytes as the whole file open as descriptor; 0, or the error number.
int writeAll(int descriptor, const QByteArray &bytes)
{
    // A medium running full first takes part of a write; only the next one
    // fails with the system's reason.
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return errno;
        done += qMax<ssize_t>(written, 0);
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

} // namespace

SaveResult failureOf(qint64 code)
{
    for (const SystemError &error : systemErrors) {
        if (error.number == code)
            return { error.failure, {} };
    }
    return { Failure::Other, qt_error_string(int(code)) };
}

SaveResult writeWhole(const QByteArray &bytes, const QString &path)
{
    Q_ASSERT(!path.contains(QChar::Null));
    // Written under a short name of its own beside the target, which it
    // replaces only once complete: a failure leaves an earlier file as it was,
    // and a target name near the system's limit is never made longer.
    // Saving to a link replaces the file it names and keeps the link, as
    // editors do; a dangling link is replaced itself.
    const QFileInfo named(path);
    const QString real = named.isSymbolicLink() && named.exists() ? named.canonicalFilePath() : path;
    const QByteArray target = QFile::encodeName(real);
    const QString folder = QFileInfo(real).path();
    // A rename needs leave to write in the folder only. A file the user may
    // not write, such as one made read-only, stays as it is, as it would for
    // a write in place: only opening it for writing asks the system that.
    if (const int probe = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); probe >= 0)
        ::close(probe);
    else if (errno != ENOENT)
        return failureOf(errno);
    QByteArray temporary;
    int descriptor = -1;
    for (int attempt = 0; descriptor < 0; ++attempt) {
        temporary = QFile::encodeName(folder + QStringLiteral("/.kaleidra-%1-%2.tmp").arg(::getpid()).arg(attempt));
        descriptor = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            return failureOf(errno);
    }
    // A file replaced keeps who may read and write it.
    struct stat existing;
    if (::stat(target.constData(), &existing) == 0)
        ::fchmod(descriptor, existing.st_mode & 07777);

    int failure = writeAll(descriptor, bytes);
    if (::close(descriptor) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        failure = errno;
    if (failure == 0)
        return {};
    ::unlink(temporary.constData());
    return failureOf(failure);
}

} // namespace PictureFile
