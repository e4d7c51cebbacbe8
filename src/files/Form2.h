#pragma once

#include <QDialog>

class DirListBox;
class DriveListBox;
class FileListBox;
class QAction;
class QImage;
class QLineEdit;
class QPushButton;

// "画像を保存": picks a folder and a name and writes the drawing there as a
// BMP file. Lives only while it is shown; every opening starts afresh.
class Form2 : public QDialog {
    Q_OBJECT

public:
    static constexpr int clientWidth = 345;
    static constexpr int clientHeight = 384;

    // picture is the live drawing surface, written as it is when "保存" is
    // pressed; mnuSave is enabled by a successful save.
    Form2(const QImage &picture, QAction *mnuSave, const QString &startFolder, QWidget *parent = nullptr);
    ~Form2() override;

    void setFilePattern(const QString &pattern);

private slots:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();

private:
    void buildControls();

    const QImage &m_picture;
    QAction *m_mnuSave = nullptr;
    QString m_startFolder;
    DriveListBox *Drive1 = nullptr;
    DirListBox *Dir1 = nullptr;
    FileListBox *File1 = nullptr;
    QLineEdit *txtTargetFile = nullptr;
    QPushButton *Command1 = nullptr;
};
