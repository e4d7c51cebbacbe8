#pragma once

#include <QString>

class QImage;

namespace PictureFile {

// Why a write failed, as the system reported it.
enum class Failure {
    None,
    NameTooLong,
    CharacterRefused,
    ReservedName,
    FolderMissing,
    FolderInTheWay,
    ReadOnlyMedium,
    DriveNotReady,
    DiskFull,
    TooLarge,
    AccessDenied,
    InUse,
    Other,
};

// What became of a write; for a failure the system gave no class to, its own
// words.
struct SaveResult {
    Failure failure = Failure::None;
    QString systemText;

    bool ok() const { return failure == Failure::None; }
};

// The reason for a failed write in Japanese, ready to show the user.
QString reason(const SaveResult &result);

// Writes the image in the format Qt names (such as "BMP" or "PNG") through a
// temporary file in the same folder that replaces the target only once
// complete, so a failed write leaves any earlier file as it was and nothing
// else behind.
SaveResult writeImage(const QImage &image, const QString &path, const char *format);

// The image in the format Qt names; empty when Qt could not encode it.
QByteArray encode(const QImage &image, const char *format);

// The second half of writeImage: the encoded bytes as the file at path.
SaveResult writeFile(const QByteArray &bytes, const QString &path);

// The system's part of writeImage: the bytes as the whole file at path, or why
// the system refused them. A name the system would take for something else,
// such as a device, is refused before anything is written. The path holds no
// NUL, which writeImage refuses.
SaveResult writeWhole(const QByteArray &bytes, const QString &path);

// The class of a system's error code for a failed write (errno on Linux,
// GetLastError() on Windows); an unknown one keeps the system's own words.
// Also how a failure no test machine can cause, such as a drive not ready,
// is shown.
SaveResult failureOf(qint64 code);

// The length in bytes of the file at path; 0 when there is no such file.
qint64 length(const QString &path);

} // namespace PictureFile
