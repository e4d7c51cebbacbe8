#include "system/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <vector>

qreal fittingScale(QSize workArea, QMargins frame, qreal desktopScale, QSize designSize)
{
    const auto fits = [&](qreal scale) {
        const QSize framed = (QSizeF(designSize) * scale).toSize().grownBy(frame);
        return framed.width() <= workArea.width() && framed.height() <= workArea.height();
    };
    // Never below 100 %, where the window has the size it was designed at.
    qreal scale = std::max<qreal>(desktopScale, 1);
    while (scale > 1 && !fits(scale))
        scale = std::ceil(scale * 4 - 1) / 4;
    return scale;
}

std::optional<qreal> usableScaleFactor(const QString &text)
{
    bool given = false;
    const qreal factor = text.toDouble(&given);
    if (!given || !std::isfinite(factor) || factor < lowestUserScale || factor > highestUserScale)
        return std::nullopt;
    return factor;
}

void useDesktopScale()
{
    // Qt draws nothing at a factor of 0 or one that is not a number, and
    // opens a window of thousands of pixels a side at one below 0.
    const QString given = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (!given.isNull() && !usableScaleFactor(given)) {
        std::fprintf(stderr, "QT_SCALE_FACTOR=%s は使えない倍率なので無視します (not a usable scale factor: ignored)\n",
                     qPrintable(given));
        qunsetenv("QT_SCALE_FACTOR");
    }
    // Qt would round the desktop's scale to a whole number by default.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void chooseDisplayScale(int argc, char *argv[], QSize designSize, Qt::WindowFlags flags)
{
    useDesktopScale();
    qreal desktopScale = 1;
    QSize workArea;
    QMargins frame;
    {
        // The application takes the arguments it knows out of argv; the real one needs them too.
        std::vector<char *> arguments(argv, argv + argc + 1);
        QGuiApplication probe(argc, arguments.data());
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        desktopScale = screen->devicePixelRatio();
        workArea = (QSizeF(screen->availableGeometry().size()) * desktopScale).toSize();

        QWindow window;
        window.setFlags(flags);
        window.setMinimumSize(designSize);
        window.setMaximumSize(designSize);
        window.create();
        const QMargins margins = askForFrame(window);
        const auto pixels = [&](int side) { return int(std::ceil(side * desktopScale)); };
        frame = { pixels(margins.left()), pixels(margins.top()), pixels(margins.right()), pixels(margins.bottom()) };
    }
    const qreal userFactor = usableScaleFactor(qEnvironmentVariable("QT_SCALE_FACTOR")).value_or(1);
    const qreal scale = fittingScale(workArea, frame, desktopScale, designSize);
    qputenv("QT_SCALE_FACTOR", QByteArray::number(userFactor * scale / desktopScale, 'g', 17));
}
