#pragma once

#include <QByteArray>
#include <QString>

// Reading a file that must be an ordinary file of bounded size, such as the
// help file: a pipe, a device or a folder in its place is refused at once,
// never read from or waited on.
namespace PlainFile {

enum class Failure {
    None,
    Missing,
    NotAFile,
    TooLarge,
    Unreadable,
};

struct Contents {
    QByteArray bytes;
    Failure failure = Failure::None;
};

// The whole file at path if it is an ordinary file of at most limit bytes.
Contents read(const QString &path, qint64 limit);

} // namespace PlainFile
