#include "files/SavePath.h"

#include <QDir>
#include <QFileInfo>

namespace SavePath {

QString chooserFolder(const QString &start, const QString &programFolder, bool startWritable, const QString &pictures)
{
    const QFileInfo folder(start);
    if (!folder.isDir() || (startWritable && folder != QFileInfo(programFolder)))
        return start;
    return QFileInfo(pictures).isDir() ? QDir::cleanPath(pictures) : QDir::homePath();
}

QString targetPath(const QString &folder, const QString &name)
{
    // Without a folder the user saw there is no path: one at the root would
    // be a place never chosen.
    if (folder.isEmpty())
        return QString();
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return folder + separator + name + QStringLiteral(".bmp");
}

QString nameFromListedFile(const QString &fileName)
{
    Q_ASSERT(fileName.size() >= 4);
    return fileName.chopped(4);
}

QString failureMessage(const QString &path, const QString &reason)
{
    const QString failed = QStringLiteral("画像を保存できませんでした。\n\n");
    if (path.isEmpty())
        return failed + reason;
    return failed + QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason;
}

} // namespace SavePath
