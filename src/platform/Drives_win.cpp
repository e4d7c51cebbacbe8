#include "Drives.h"

#include <windows.h>

namespace Drives {

QStringList roots()
{
    QStringList found;
    const DWORD letters = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (letters & (1u << letter))
            found << QString(QChar(u'A' + letter)) + QStringLiteral(":/");
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
