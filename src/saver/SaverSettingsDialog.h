#pragma once

#include "SaverSettings.h"

#include <QDialog>

#include <array>

class QLabel;
class QScrollBar;
class QSpinBox;

// The screen saver's settings window: the main window's six colour sliders
// with their read-outs, and how often the picture starts afresh.
class SaverSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SaverSettingsDialog(const SaverSettings &settings, QWidget *parent = nullptr);

    SaverSettings settings() const;

private:
    void sliderChange(int row);

    std::array<QScrollBar *, 6> m_sliders {};
    std::array<QLabel *, 6> m_readouts {};
    QSpinBox *m_interval = nullptr;
};
