#include "Drives.h"

#include <windows.h>

namespace Drives {

QStringList roots()
{
    // Bit 0 stands for A:, bit 1 for B:, and so on.
    QStringList found;
    char16_t letter = u'A';
    for (DWORD letters = GetLogicalDrives(); letters != 0; letters >>= 1, ++letter) {
        if (letters & 1)
            found << QString(QChar(letter)) + QStringLiteral(":/");
    }
    return found;
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseInsensitive;
}

} // namespace Drives
