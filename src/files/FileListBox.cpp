#include "FileListBox.h"

#include <QDir>

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent)
{
}

void FileListBox::setPath(const QString &folder)
{
    m_path = folder;
    refresh();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileListBox::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;
    addItems(QDir(m_path).entryList({ m_pattern }, QDir::Files, QDir::Name | QDir::IgnoreCase));
}
