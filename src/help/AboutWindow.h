#pragma once

#include <QDialog>

// The About window: the program's icon, name and version, and OK. It deletes
// itself when closed, so every opening starts from a new window.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int clientWidth = 374;
    static constexpr int clientHeight = 134;

    explicit AboutWindow(QWidget *parent = nullptr);

};
