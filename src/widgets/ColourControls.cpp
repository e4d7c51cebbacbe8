#include "widgets/ColourControls.h"

#include "widgets/ColourSlider.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStringList>

namespace {

// Whether each text, right-aligned inside a read-out's one-pixel border
// with the given indent, leaves the design columns next to the border blank
// as the screen's scale draws them. The read-outs start on whole screen
// pixels, so the window draws them as this does.
bool staysClear(const QFont &font, const QStringList &texts, int indent, qreal scale)
{
    const QSize readout = ColourControls::readoutSize;
    const auto at = [scale](int designPixel) { return qRound(designPixel * scale); };
    for (const QString &text : texts) {
        QImage box(readout * scale, QImage::Format_RGB32);
        box.setDevicePixelRatio(scale);
        box.fill(Qt::white);
        QPainter painter(&box);
        painter.setFont(font);
        // Centred on the box as on the room between the border's rows, the
        // text inks the same columns; only where the room ends counts.
        painter.drawText(QRect(QPoint(), QSize(readout.width() - 1 - indent, readout.height())), Qt::AlignRight | Qt::AlignVCenter, text);
        painter.end();
        // Edge smoothing fainter than this is no ink to the eye.
        constexpr int ink = 255 - 48;
        for (int y = 0; y < box.height(); ++y) {
            for (int x : { at(1), at(2) - 1, at(readout.width() - 2), at(readout.width() - 1) - 1 }) {
                if (qGray(box.pixel(x, y)) < ink)
                    return false;
            }
        }
    }
    return true;
}

struct ReadoutText {
    QFont font;
    int indent;
};

// The widest number needs all the room inside the border but the digits'
// own side bearings, which a fractional scale can round away; then the
// numbers keep one design pixel from the right border instead. Where even
// the widest is wider than the window was laid out for, the font shrinks.
ReadoutText fittingReadoutText(const QFont &font, qreal scale)
{
    QStringList texts { QStringLiteral("255") };
    for (char digit = '0'; digit <= '9'; ++digit)
        texts << QString(QLatin1Char(digit));
    for (int indent : { 0, 1 }) {
        QFont fitted = font;
        while (fitted.pixelSize() > 6 && !staysClear(fitted, texts, indent, scale))
            fitted.setPixelSize(fitted.pixelSize() - 1);
        if (staysClear(fitted, texts, indent, scale))
            return { fitted, indent };
    }
    return { font, 1 };
}

} // namespace

ColourControls::ColourControls(QWidget *parent)
    : QObject(parent)
{
    // The read-outs share one font, fitted to their widest number once.
    const ReadoutText readoutText = fittingReadoutText(parent->font(), parent->devicePixelRatioF());
    for (std::size_t index = 0; index < colourRows.size(); ++index) {
        const ColourRow &description = colourRows[index];
        const QString caption = QString::fromUtf8(description.caption);
        const QString name = QString::fromLatin1(description.name);

        auto *label = new QLabel(caption, parent);
        label->setObjectName(name + QStringLiteral("Caption"));

        auto *slider = new ColourSlider(parent);
        slider->setObjectName(name + QStringLiteral("Slider"));
        slider->setFixedSize(121, 17);
        slider->setRange(0, kaleidra::PatternState::highestLevel);
        slider->setSingleStep(1);
        slider->setPageStep(10);
        // Bounds change when the thumb is let go, not while it is dragged.
        slider->setTracking(false);
        slider->setAccessibleName(caption);
        label->setBuddy(slider);
        connect(slider, &QScrollBar::valueChanged, this, [this, index] { sliderChanged(index); });

        auto *readout = new QLabel(parent);
        readout->setObjectName(name + QStringLiteral("Readout"));
        readout->setFixedSize(readoutSize);
        readout->setFrameStyle(QFrame::Box | QFrame::Plain);
        readout->setLineWidth(1);
        readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Qt's default indent of half an "x" would push "255" onto the border.
        readout->setIndent(readoutText.indent);
        readout->setFont(readoutText.font);
        // Read out as the number it shows; the caption names the slider.
        readout->setAccessibleDescription(caption);

        m_rows[index] = { label, slider, readout };
    }
}

// A slider already at its value reports no change, so the read-out is set here too.
void ColourControls::setValues(const Values &values)
{
    for (std::size_t index = colourRows.size(); index-- > 0;) {
        m_rows[index].slider->setValue(values[index]);
        m_rows[index].readout->setText(QString::number(values[index]));
    }
}

ColourControls::Values ColourControls::values() const
{
    Values values {};
    for (std::size_t index = 0; index < colourRows.size(); ++index)
        values[index] = m_rows[index].slider->value();
    return values;
}

// Setting the slider's value runs this again, nested; both runs then show
// and report the same value.
void ColourControls::sliderChanged(std::size_t index)
{
    const ColourRow &description = colourRows[index];
    QScrollBar *slider = m_rows[index].slider;
    const QScrollBar *partner = m_rows[std::size_t(description.partner)].slider;
    slider->setValue(yieldingValue(description, slider->value(), partner->value()));
    m_rows[index].readout->setText(QString::number(slider->value()));
    emit valueChanged(int(index), slider->value());
}
