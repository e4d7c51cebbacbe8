#pragma once

#include "widgets/ColourRows.h"

#include <QObject>
#include <QSize>

#include <array>

class ColourSlider;
class QLabel;
class QWidget;

// The colour column of a window, one row for each of colourRows: a caption,
// a slider and a read-out, children of the given widget, which places them.
// A slider moved past its partner yields to it; a slider's read-out and
// valueChanged() follow it once it settles, not while its thumb is dragged.
class ColourControls : public QObject {
    Q_OBJECT

public:
    using Values = std::array<int, colourRows.size()>;

    struct Row {
        QLabel *caption;
        ColourSlider *slider;
        QLabel *readout;
    };

    // The read-out's size in design pixels; its numbers are fitted to it.
    static constexpr QSize readoutSize { 25, 17 };

    explicit ColourControls(QWidget *parent);

    const Row &row(std::size_t index) const { return m_rows[index]; }

    // Each maximum is set before its minimum, which would otherwise yield to
    // a maximum still lower.
    void setValues(const Values &values);
    Values values() const;

signals:
    void valueChanged(int row, int value);

private:
    void sliderChanged(std::size_t row);

    std::array<Row, colourRows.size()> m_rows {};
};
