#pragma once

#include <QString>
#include <QStringList>

// The drives the chooser offers, as the system knows them.
namespace Drives {

// Their roots, in Qt's form ("/" or "C:/"). Windows: every drive letter,
// ready or not, such as an empty removable drive. Linux: the root file
// system, the one holding the home folder, and removable media mounted under
// the usual places. Cheap enough to ask at every change of folder.
QStringList roots();

// The name the drive's medium carries, empty where it has none or is not
// ready; it asks the medium itself.
QString label(const QString &root);

// Whether the system tells file names apart by the case of their letters.
Qt::CaseSensitivity fileNameCase();

} // namespace Drives
