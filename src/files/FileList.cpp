#include "files/FileList.h"

#include <QDir>
#include <QKeyEvent>

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
}

void FileList::setPath(const QString &folder)
{
    m_path = folder;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileList::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;
    addItems(QDir(m_path).entryList({ m_pattern }, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// Tabbing in puts the cursor on the first name without picking it, so the
// first arrow key picks that name, as a click would; with a single name
// listed nothing else could ever pick it.
void FileList::keyPressEvent(QKeyEvent *event)
{
    QListWidgetItem *cursor = currentItem();
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && cursor && !cursor->isSelected() && event->modifiers() == Qt::NoModifier) {
        setCurrentItem(cursor, QItemSelectionModel::ClearAndSelect);
        return;
    }
    QListWidget::keyPressEvent(event);
}
