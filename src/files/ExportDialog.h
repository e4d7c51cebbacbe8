#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QDateTime;

// "エクスポート": the size and format of a picture to share, then where it
// goes, in the system's own save window. Lives only while it is shown.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    // The save window opens in folder, offering a name of the moment.
    explicit ExportDialog(const QString &folder, QWidget *parent = nullptr);

    // How many times the picture on screen each side is: 1, 2, 4 or 8.
    int scale() const;
    // The format as Qt names it: "PNG" or "BMP".
    QByteArray format() const;
    // The file chosen in the save window; empty until the window is accepted.
    QString path() const { return m_path; }

    // kaleidra-2026-12-09-184500.png for a picture asked for then: a new
    // name every second, so an export does not replace another by chance.
    static QString proposedName(const QDateTime &moment, const QString &suffix);

private slots:
    void chooseFile();

private:
    QString m_folder;
    QString m_path;
    QComboBox *m_sizes = nullptr;
    QComboBox *m_formats = nullptr;
};
