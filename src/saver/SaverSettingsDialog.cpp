#include "SaverSettingsDialog.h"

#include "SaverCommand.h"

#include "main_window/ColourRows.h"
#include "main_window/ColourSlider.h"
#include "platform/Icons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

SaverSettingsDialog::SaverSettingsDialog(const SaverSettings &settings, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("カレイドラの設定"));
    setWindowIcon(Icons::program());
    auto *grid = new QGridLayout(this);
    for (int row = 0; row < int(colourRows.size()); ++row) {
        const ColourRow &description = colourRows[row];
        const QString caption = QString::fromUtf8(description.caption);
        auto *label = new QLabel(caption, this);
        auto *slider = new ColourSlider(this);
        slider->setObjectName(QString::fromLatin1(description.sliderName));
        slider->setRange(0, kaleidra::PatternState::highestLevel);
        slider->setPageStep(10);
        slider->setFixedSize(121, 17);
        slider->setAccessibleName(caption);
        label->setBuddy(slider);
        auto *readout = new QLabel(this);
        readout->setObjectName(QString::fromLatin1(description.readoutName));
        readout->setFrameStyle(QFrame::Box | QFrame::Plain);
        readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        readout->setMinimumWidth(32);
        grid->addWidget(label, row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(readout, row, 2);
        m_sliders[std::size_t(row)] = slider;
        m_readouts[std::size_t(row)] = readout;
    }
    for (std::size_t row = 0; row < colourRows.size(); ++row) {
        m_sliders[row]->setValue(settings.bounds[row]);
        m_readouts[row]->setText(QString::number(settings.bounds[row]));
        connect(m_sliders[row], &QScrollBar::valueChanged, this, [this, row] { sliderChange(int(row)); });
    }

    auto *intervalLabel = new QLabel(QStringLiteral("消去の間隔"), this);
    m_interval = new QSpinBox(this);
    m_interval->setObjectName(QStringLiteral("interval"));
    m_interval->setRange(minimumIntervalSeconds, maximumIntervalSeconds);
    m_interval->setSuffix(QStringLiteral(" 秒"));
    m_interval->setValue(settings.intervalSeconds);
    intervalLabel->setBuddy(m_interval);
    const int last = int(colourRows.size());
    grid->addWidget(intervalLabel, last, 0);
    grid->addWidget(m_interval, last, 1, 1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, last + 1, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

SaverSettings SaverSettingsDialog::settings() const
{
    SaverSettings settings;
    for (std::size_t row = 0; row < colourRows.size(); ++row)
        settings.bounds[row] = m_sliders[row]->value();
    settings.intervalSeconds = m_interval->value();
    return settings;
}

// As in the main window: a slider pushed past its partner yields to it.
void SaverSettingsDialog::sliderChange(int row)
{
    const ColourRow &description = colourRows[std::size_t(row)];
    QScrollBar *slider = m_sliders[std::size_t(row)];
    const QScrollBar *partner = m_sliders[std::size_t(description.partner)];
    slider->setValue(yieldingValue(description, slider->value(), partner->value()));
    m_readouts[std::size_t(row)]->setText(QString::number(slider->value()));
}
