#include "files/FolderList.h"

#include <QDir>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int indentation = 12;

// A plain list has no levels of its own: the icon carries the indentation,
// so there is nothing to expand or collapse and no header to name.
QIcon indented(const QIcon &icon, int depth, QSize size)
{
    if (depth == 0)
        return icon;
    QPixmap pixmap(size.width() + depth * indentation, size.height());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    icon.paint(&painter, QRect(QPoint(depth * indentation, 0), size));
    return QIcon(pixmap);
}

} // namespace

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this, &FolderList::openItem);
}

bool FolderList::setPath(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    m_path = QDir::cleanPath(dir.absolutePath());
    fill();
    emit pathChanged();
    return true;
}

void FolderList::openItem(QListWidgetItem *item)
{
    const QString folder = item->data(pathRole).toString();
    if (folder != m_path)
        setPath(folder);
}

void FolderList::addFolder(const QString &name, const QString &folder, const QIcon &icon, int depth)
{
    const QSize square(iconSize().height(), iconSize().height());
    auto *item = new QListWidgetItem(indented(icon, depth, square), name, this);
    item->setData(pathRole, folder);
}

void FolderList::fill()
{
    QStringList chain { m_path };
    for (QDir dir(m_path); !dir.isRoot() && dir.cdUp();)
        chain.prepend(dir.absolutePath());

    clear();
    const int smallIcon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    setIconSize(QSize(smallIcon + int(chain.size()) * indentation, smallIcon));
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    for (int depth = 0; depth < int(chain.size()); ++depth) {
        const QString &folder = chain[depth];
        addFolder(depth ? QDir(folder).dirName() : QDir::toNativeSeparators(folder), folder, open, depth);
    }
    // Made current, it is scrolled into view, at once or when the list is shown.
    setCurrentItem(item(count() - 1));

    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString prefix = m_path.endsWith(QLatin1Char('/')) ? m_path : m_path + QLatin1Char('/');
    const QStringList subfolders = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders)
        addFolder(name, prefix + name, closed, int(chain.size()));
}
