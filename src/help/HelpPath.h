#pragma once

#include <QString>

// The help file in the given folder: folder, separator and file name joined
// as they are, so a folder at the root gives a doubled separator.
QString helpFilePath(const QString &programFolder);
