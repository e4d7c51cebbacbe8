#include "PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
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

QString reason(const SaveResult &result)
{
    switch (result.failure) {
    case Failure::None:
        break;
    case Failure::NameTooLong:
        return QStringLiteral("ファイル名が長すぎます。");
    case Failure::CharacterRefused:
        return QStringLiteral("ファイル名に使えない文字が含まれています。");
    case Failure::FolderMissing:
        return QStringLiteral("保存先のフォルダーが見つかりません。");
    case Failure::FolderInTheWay:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case Failure::ReadOnlyMedium:
        return QStringLiteral("保存先は読み取り専用で、書き込めません。");
    case Failure::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case Failure::TooLarge:
        return QStringLiteral("保存先にはこの大きさのファイルを書き込めません。");
    case Failure::AccessDenied:
        return QStringLiteral("保存先に書き込む権限がありません。");
    case Failure::Other:
        if (!result.systemText.isEmpty())
            return QStringLiteral("ファイルに書き込めませんでした（%1）。").arg(result.systemText);
        return QStringLiteral("ファイルに書き込めませんでした。");
    }
    return QString();
}

SaveResult writeBmp(const QImage &image, const QString &path)
{
    Q_ASSERT(!image.isNull());
    if (path.isEmpty())
        return { Failure::FolderMissing, {} };
    // The system would read the name only up to this character, and Qt
    // would write to that shorter name.
    if (path.contains(QChar::Null))
        return { Failure::CharacterRefused, {} };
    // Here Qt refuses before asking the system, so no system error tells.
    if (QFileInfo(path).isDir())
        return { Failure::FolderInTheWay, {} };

    // Encoded first, so that every failure below is one of the file's.
    QByteArray bmp;
    QBuffer encoded(&bmp);
    if (!encoded.open(QIODevice::WriteOnly) || !image.save(&encoded, "BMP"))
        return { Failure::Other, {} };

    // Leaving without commit() discards the temporary file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(file);
    // A medium running full first takes part of a write; only the next one
    // fails with the system's reason.
    for (qint64 done = 0; done < bmp.size();) {
        const qint64 written = file.write(bmp.constData() + done, bmp.size() - done);
        if (written <= 0)
            return failureOf(file);
        done += written;
    }
    if (!file.commit())
        return failureOf(file);
    return {};
}

std::optional<qint64> length(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

} // namespace PictureFile
