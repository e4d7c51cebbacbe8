#include "PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace PictureFile {

namespace {

const QString diskFull = QStringLiteral("書き込めませんでした。ディスクの空き容量が足りないか、書き込みが禁止されています。");

QString reasonFor(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("アクセスが拒否されました。");
    case QFileDevice::OpenError:
        return QStringLiteral("ファイルを作成できません。ファイル名に使えない文字が含まれているか、書き込みが禁止されています。");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return diskFull;
    case QFileDevice::RenameError:
        return QStringLiteral("既存のファイルを置き換えられませんでした。");
    default:
        return QStringLiteral("ファイルに書き込めませんでした。");
    }
}

} // namespace

SaveResult writeBmp(const QImage &image, const QString &path)
{
    Q_ASSERT(!image.isNull());
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        return { QStringLiteral("保存先のフォルダーが見つかりません。") };
    if (target.isDir())
        return { QStringLiteral("同じ名前のフォルダーがあります。") };

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return { reasonFor(file.error()) };
    // Leaving without commit() discards the temporary file.
    if (!image.save(&file, "BMP"))
        return { file.error() == QFileDevice::NoError ? diskFull : reasonFor(file.error()) };
    if (!file.commit())
        return { reasonFor(file.error()) };
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
