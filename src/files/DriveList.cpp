#include "files/DriveList.h"

#include "system/Drives.h"

#include <QDir>
#include <QSignalBlocker>

namespace {

bool holds(const QString &root, const QString &folder)
{
    const Qt::CaseSensitivity sameName = Drives::fileNameCase();
    return folder.compare(root, sameName) == 0
        || folder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'), sameName);
}

} // namespace

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    for (const QString &root : Drives::roots())
        addDrive(root, Drives::label(root));
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::driveChanged);
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::setDrive(const QString &root)
{
    const QSignalBlocker quiet(this);
    if (findData(root) < 0)
        addDrive(root, QString());
    setCurrentIndex(findData(root));
}

QString DriveList::driveOf(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    // "/" or "C:/": the start of an absolute path up to its first "/".
    QString nearest = path.left(path.indexOf(QLatin1Char('/')) + 1);
    for (const QString &root : Drives::roots()) {
        if (holds(root, path) && root.size() > nearest.size())
            nearest = root;
    }
    return nearest;
}

void DriveList::addDrive(const QString &root, const QString &label)
{
    const QString shown = QDir::toNativeSeparators(root);
    addItem(label.isEmpty() ? shown : QStringLiteral("%1 [%2]").arg(shown, label), root);
}
