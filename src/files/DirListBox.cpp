#include "DirListBox.h"

#include <QDir>
#include <QStyle>

namespace {

constexpr int pathRole = Qt::UserRole;

} // namespace

DirListBox::DirListBox(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(12);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemActivated, this, &DirListBox::openItem);
}

bool DirListBox::setPath(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    m_path = QDir::cleanPath(dir.absolutePath());
    fill();
    emit pathChanged();
    return true;
}

void DirListBox::openItem(QTreeWidgetItem *item)
{
    const QString folder = item->data(0, pathRole).toString();
    if (folder != m_path)
        setPath(folder);
}

void DirListBox::fill()
{
    QStringList chain { m_path };
    for (QDir dir(m_path); !dir.isRoot() && dir.cdUp();)
        chain.prepend(dir.absolutePath());

    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem *parent = nullptr;
    for (const QString &folder : chain) {
        const QString name = parent ? QDir(folder).dirName() : QDir::toNativeSeparators(folder);
        auto *item = parent ? new QTreeWidgetItem(parent, { name }) : new QTreeWidgetItem(this, { name });
        item->setIcon(0, open);
        item->setData(0, pathRole, folder);
        item->setExpanded(true);
        parent = item;
    }
    setCurrentItem(parent);

    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString prefix = m_path.endsWith(QLatin1Char('/')) ? m_path : m_path + QLatin1Char('/');
    const QStringList subfolders = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        auto *item = new QTreeWidgetItem(parent, { name });
        item->setIcon(0, closed);
        item->setData(0, pathRole, prefix + name);
    }
    scrollToItem(parent);
}
