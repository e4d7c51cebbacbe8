#include "saver/SaverSettingsDialog.h"

#include "saver/SaverCommand.h"
#include "widgets/ColourControls.h"
#include "widgets/ColourSlider.h"
#include "widgets/Icons.h"

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
    m_colours = new ColourControls(this);
    for (std::size_t index = 0; index < colourRows.size(); ++index) {
        const ColourControls::Row &row = m_colours->row(index);
        grid->addWidget(row.caption, int(index), 0);
        grid->addWidget(row.slider, int(index), 1);
        grid->addWidget(row.readout, int(index), 2);
    }
    m_colours->setValues(settings.bounds);

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
    settings.bounds = m_colours->values();
    settings.intervalSeconds = m_interval->value();
    return settings;
}
