#include "PictureFile.h"

#include <QSaveFile>

#include <cerrno>

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

// Qt words each failed system call in the system's own text, so the text
// names the error even after Qt's clean-up has changed errno.
SaveResult failureOf(const QFileDevice &file)
{
    const QString text = file.errorString();
    for (const SystemError &error : systemErrors) {
        if (text.contains(qt_error_string(error.number)))
            return { error.failure, text };
    }
    return { Failure::Other, text };
}

} // namespace

SaveResult writeWhole(const QByteArray &bytes, const QString &path)
{
    // Leaving without commit() discards the temporary file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(file);
    // A medium running full first takes part of a write; only the next one
    // fails with the system's reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return failureOf(file);
        done += written;
    }
    if (!file.commit())
        return failureOf(file);
    return {};
}

} // namespace PictureFile
