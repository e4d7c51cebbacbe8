#pragma once

#include <QString>

#include <optional>

class QImage;

namespace PictureFile {

// What became of a write; the reason is in Japanese, ready to show the user.
struct SaveResult {
    QString failure;

    bool ok() const { return failure.isEmpty(); }
};

// Writes the image as a BMP file through a temporary file in the same folder
// that replaces the target only once complete, so a failed write leaves any
// earlier file as it was and nothing else behind.
SaveResult writeBmp(const QImage &image, const QString &path);

// The length in bytes of the file at path; none when there is no such file.
std::optional<qint64> length(const QString &path);

} // namespace PictureFile
