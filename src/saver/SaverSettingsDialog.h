#pragma once

#include "saver/SaverSettings.h"

#include <QDialog>

class ColourControls;
class QSpinBox;

// The screen saver's settings window: the main window's six colour sliders
// with their read-outs, and how often the picture starts afresh.
class SaverSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SaverSettingsDialog(const SaverSettings &settings, QWidget *parent = nullptr);

    SaverSettings settings() const;

private:
    ColourControls *m_colours = nullptr;
    QSpinBox *m_interval = nullptr;
};
