#include "widgets/Icons.h"

#include <QIcon>

#include <initializer_list>

namespace Icons {

namespace {

QIcon drawnAt(const char *name, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes)
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon program()
{
    return drawnAt("kaleidra", { 16, 24, 32, 40, 48, 64, 128, 256 });
}

QIcon picture()
{
    return drawnAt("kaleidra-picture", { 16, 24, 32, 40, 48, 64 });
}

} // namespace Icons
