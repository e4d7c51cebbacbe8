#pragma once

#include <QListWidget>

// The names of those files of one folder that match a pattern, whatever the
// case of their letters.
class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget *parent = nullptr);

    void setPath(const QString &folder);
    void setPattern(const QString &pattern);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};
