#include "Drives.h"

#include <windows.h>

namespace Drives {

QList<Drive> list()
{
    QList<Drive> drives;
    const DWORD letters = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(letters & (1u << letter)))
            continue;
        const QString root = QString(QChar(u'A' + letter)) + QStringLiteral(":/");
        // An empty removable drive has no label to give and stays listed.
        // Its question to the user about a missing disk is not wanted here.
        const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
        wchar_t label[MAX_PATH + 1] = {};
        const std::wstring systemRoot = QString(root).replace(QLatin1Char('/'), QLatin1Char('\\')).toStdWString();
        const bool ready = GetVolumeInformationW(systemRoot.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
        SetErrorMode(oldMode);
        drives << Drive { root, ready ? QString::fromWCharArray(label) : QString() };
    }
    return drives;
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseInsensitive;
}

} // namespace Drives
