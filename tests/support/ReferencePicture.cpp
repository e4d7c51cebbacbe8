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

    QImage map(picture.size().expandedTo(reference.size()), QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            const bool inBoth = picture.rect().contains(x, y) && reference.rect().contains(x, y);
            if (inBoth && picture.pixel(x, y) == reference.pixel(x, y)) {
                const int dimmed = qGray(reference.pixel(x, y)) / 3;
                map.setPixel(x, y, qRgb(dimmed, dimmed, dimmed));
            } else {
                map.setPixel(x, y, qRgb(255, 0, 0));
                ++differing;
            }
        }
    }
    const QString written = QCoreApplication::applicationDirPath() + '/' + name;
    picture.save(written + "-shown.png");
    map.save(written + "-differences.png");
    const auto size = [](const QImage &image) { return QStringLiteral("%1 × %2").arg(image.width()).arg(image.height()); };
    return QStringLiteral("%1: %2 pixels differ from %3 (%4 shown, %5 kept); see %6-shown.png and %6-differences.png")
        .arg(name, QString::number(differing), path, size(picture), size(reference), written);
}
