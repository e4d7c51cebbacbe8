#pragma once

#include <QString>

namespace HelpFile {

// Many times the program's own help file; a larger one is not taken for
// help, nor held in memory.
constexpr qint64 sizeLimit = 1024 * 1024;

// A help file's text, or in Japanese why it cannot be shown.
struct Contents {
    QString text;
    QString failure;

    bool ok() const { return failure.isEmpty(); }
};

// Reads the file at path only if it is a plain file no larger than the
// limit, and never waits: a pipe, a device or a folder there, or a larger
// file, gives a failure at once without being read.
Contents read(const QString &path);

} // namespace HelpFile
