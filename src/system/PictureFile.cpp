#include "system/PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

namespace PictureFile {

QString reason(const SaveResult &result)
{
    switch (result.failure) {
    case Failure::None:
        break;
    case Failure::NameTooLong:
        return QStringLiteral("ファイル名が長すぎます。");
    case Failure::CharacterRefused:
        return QStringLiteral("ファイル名に使えない文字が含まれています。");
    case Failure::ReservedName:
        return QStringLiteral("CON、NUL、COM1 などは Windows が装置の名前として予約しているため、ファイル名に使えません。");
    case Failure::FolderMissing:
        return QStringLiteral("保存先のフォルダーが見つかりません。");
    case Failure::FolderInTheWay:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case Failure::ReadOnlyMedium:
        return QStringLiteral("保存先は読み取り専用で、書き込めません。");
    case Failure::DriveNotReady:
        return QStringLiteral("ドライブの準備ができていません。ディスクが入っているか確かめてください。");
    case Failure::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case Failure::TooLarge:
        return QStringLiteral("保存先にはこの大きさのファイルを書き込めません。");
    case Failure::AccessDenied:
        return QStringLiteral("保存先に書き込む権限がありません。");
    case Failure::InUse:
        return QStringLiteral("ファイルがほかのプログラムで使われているため、書き込めません。");
    case Failure::Other:
        if (!result.systemText.isEmpty())
            return QStringLiteral("ファイルに書き込めませんでした（%1）。").arg(result.systemText);
        return QStringLiteral("ファイルに書き込めませんでした。");
    }
    return QString();
}

QByteArray encode(const QImage &image, const char *format)
{
    Q_ASSERT(!image.isNull());
    QByteArray bytes;
    QBuffer encoded(&bytes);
    if (!encoded.open(QIODevice::WriteOnly) || !image.save(&encoded, format))
        return QByteArray();
    return bytes;
}

SaveResult writeFile(const QByteArray &bytes, const QString &path)
{
    if (path.isEmpty())
        return { Failure::FolderMissing, {} };
    // The system would read the name only up to this character, and Qt
    // would write to that shorter name.
    if (path.contains(QChar::Null))
        return { Failure::CharacterRefused, {} };
    // Here Qt refuses before asking the system, so no system error tells.
    if (QFileInfo(path).isDir())
        return { Failure::FolderInTheWay, {} };
    return writeWhole(bytes, path);
}

SaveResult writeImage(const QImage &image, const QString &path, const char *format)
{
    // Encoded first, so that every failure of writeFile is one of the file's.
    const QByteArray bytes = encode(image, format);
    if (bytes.isEmpty())
        return { Failure::Other, {} };
    return writeFile(bytes, path);
}

qint64 length(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

} // namespace PictureFile
