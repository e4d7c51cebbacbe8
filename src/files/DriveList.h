#pragma once

#include <QComboBox>

// The drop-down of the drives the system offers.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    // The root folder of the drive shown.
    QString drive() const;
    // Shows root without reporting a change, adding it when it is not listed.
    void setDrive(const QString &root);

    // The root of the listed drive that holds folder.
    static QString driveOf(const QString &folder);

signals:
    // The user chose another drive.
    void driveChanged();

private:
    void addDrive(const QString &root, const QString &label);
};
