#pragma once

#include <QTreeWidget>

// The folder list: the folders from the root down to the current folder, then
// the current folder's subfolders. Opening one makes it the current folder.
class DirListBox : public QTreeWidget {
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Makes folder current and reports it; a folder that cannot be read
    // leaves the list as it was and gives false.
    bool setPath(const QString &folder);

signals:
    void pathChanged();

private:
    void openItem(QTreeWidgetItem *item);
    void fill();

    QString m_path;
};
