#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: the program's icon, name and version, and OK. It deletes
// itself when closed, so every opening starts from a new window.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int clientWidth = 374;
    static constexpr int clientHeight = 134;

    explicit frmAbout(QWidget *parent = nullptr);

private slots:
    void cmdOK_Click();

private:
    QPushButton *cmdOK = nullptr;
    QLabel *picIcon = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
};
