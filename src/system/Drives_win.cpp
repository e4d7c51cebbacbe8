#include "system/Drives.h"

#include <QDir>

namespace Drives {

// Qt lists every letter the system's drive bits name, ready or not.
QStringList roots()
{
    QStringList found;
    for (const QFileInfo &drive : QDir::drives())
        found << drive.absoluteFilePath();
    return found;
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseInsensitive;
}

} // namespace Drives
