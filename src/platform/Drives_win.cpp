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

QString label(const QString &root)
{
    // An empty removable drive has no label to give and stays listed.
    // Its question to the user about a missing disk is not wanted here.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    wchar_t name[MAX_PATH + 1] = {};
    const std::wstring systemRoot = QString(root).replace(QLatin1Char('/'), QLatin1Char('\\')).toStdWString();
    const bool ready = GetVolumeInformationW(systemRoot.c_str(), name, ARRAYSIZE(name), nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(oldMode);
    return ready ? QString::fromWCharArray(name) : QString();
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseInsensitive;
}

} // namespace Drives
