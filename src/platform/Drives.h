#pragma once

#include <QList>
#include <QString>

// The drives the chooser offers, as the system knows them.
namespace Drives {

struct Drive {
    QString root; // in Qt's form, "/" or "C:/"
    QString label;
};

// Windows: every drive letter, ready or not, such as an empty removable
// drive. Linux: the root file system, the one holding the home folder, and
// removable media mounted under the usual places.
QList<Drive> list();

// Whether the system tells file names apart by the case of their letters.
Qt::CaseSensitivity fileNameCase();

} // namespace Drives
