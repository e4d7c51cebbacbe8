#pragma once

#include <QDialog>

class FolderList;
class DriveList;
class FileList;
class QImage;
class QLineEdit;
class QPushButton;

// "画像を保存": picks a folder and a name and writes the drawing there as a
// BMP file. Lives only while it is shown; every opening starts afresh.
class SavePictureDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int clientWidth = 345;
    static constexpr int clientHeight = 384;

    // picture is the live drawing surface, written as it is when "保存" is
    // pressed.
    SavePictureDialog(const QImage &picture, const QString &startFolder, QWidget *parent = nullptr);
    ~SavePictureDialog() override;

    void setFilePattern(const QString &pattern);

signals:
    // The picture was written at path, just before the chooser closes.
    void saved(const QString &path);

private slots:
    void driveChanged();
    void folderChanged();
    void fileClicked();
    void saveChosen();

private:
    void buildControls();

    const QImage &m_picture;
    QString m_startFolder;
    DriveList *m_drives = nullptr;
    FolderList *m_folders = nullptr;
    FileList *m_files = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_saveButton = nullptr;
};
