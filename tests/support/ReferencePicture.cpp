#include "ReferencePicture.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Taken whole while the test still runs where it started: under Wine a path
// from "/" would otherwise name a folder on whatever drive a test moves to.
const QString references = QFileInfo(QStringLiteral(KALEIDRA_REFERENCES)).absoluteFilePath();

} // namespace

QString ReferencePicture::compare(const QImage &shown, const QString &name)
{
    const QImage picture = shown.convertToFormat(QImage::Format_RGB32);
    const QString path = QStringLiteral("%1/%2.png").arg(references, name);
    if (qEnvironmentVariableIntValue("KALEIDRA_RENEW_REFERENCES"))
        return picture.save(path) ? QString() : "could not write " + path;
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (reference.isNull())
        return "no reference picture " + path + "; the build target renew-references makes it";
    if (picture == reference)
        return {};

    const QString written = QCoreApplication::applicationDirPath() + '/' + name + "-shown.png";
    picture.save(written);
    const auto size = [](const QImage &image) { return QStringLiteral("%1 × %2").arg(image.width()).arg(image.height()); };
    return QStringLiteral("%1 differs from %2 (%3 shown, %4 kept); the picture shown is %5, and ImageMagick's "
                          "\"compare %2 %5 differences.png\" marks where")
        .arg(name, path, size(picture), size(reference), written);
}
