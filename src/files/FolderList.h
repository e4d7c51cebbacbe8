#pragma once

#include <QListWidget>

// The folder list: the folders from the root down to the current folder, each
// indented under the one before, then the current folder's subfolders.
// Opening one makes it the current folder.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Makes folder current and reports it; a folder that cannot be read
    // leaves the list as it was and gives false.
    bool setPath(const QString &folder);

signals:
    void pathChanged();

private:
    void openItem(QListWidgetItem *item);
    void fill();
    void addFolder(const QString &name, const QString &folder, const QIcon &icon, int depth);

    QString m_path;
};
