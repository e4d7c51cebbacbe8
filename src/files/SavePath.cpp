#include "SavePath.h"

#include <QDir>

namespace SavePath {

QString targetPath(const QString &folder, const QString &name)
{
    Q_ASSERT(!folder.isEmpty());
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return folder + separator + name + QStringLiteral(".bmp");
}

QString nameFromListedFile(const QString &fileName)
{
    return fileName.left(qMax(0, fileName.size() - 4));
}

QString failureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("画像を保存できませんでした。\n\n%1\n\n%2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace SavePath
