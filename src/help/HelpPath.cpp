#include "help/HelpPath.h"

#include <QDir>

QString helpFilePath(const QString &programFolder)
{
    return programFolder + QDir::separator() + QStringLiteral("kaleidra.hlp");
}
