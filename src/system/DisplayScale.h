#pragma once

#include <QMargins>
#include <QString>
#include <QSize>
#include <Qt>

#include <optional>

class QWindow;

// The scale for a window of the given size in design pixels, whose frame the
// system draws at the desktop's scale: the desktop's own scale, or the
// quarter steps below it until the framed window fits the work area, never
// below 1. The work area and the frame are in the screen's own pixels.
qreal fittingScale(QSize workArea, QMargins frame, qreal desktopScale, QSize designSize);

// Qt fixes its scale when the application object is made, so this reads the
// screen the program's windows open on with a short-lived application first
// and sets QT_SCALE_FACTOR, times any factor the user set, so that the real
// application runs at the fitting scale. Call it before that application
// exists; argv is left as it was.
void chooseDisplayScale(int argc, char *argv[], QSize designSize, Qt::WindowFlags flags);

// The factors a user may set in QT_SCALE_FACTOR; the program ignores others.
inline constexpr qreal lowestUserScale = 0.25;
inline constexpr qreal highestUserScale = 8;

// The factor text gives, where it is a number within those; else none.
std::optional<qreal> usableScaleFactor(const QString &text);

// The desktop's own scale as it is, not rounded to a whole number, for a
// program whose windows are small enough for any screen at any scale. Call it
// before the application exists. A QT_SCALE_FACTOR that is no usable factor
// is removed from the environment, with a line on the standard error.
void useDesktopScale();

// The frame the window manager will give the window, asked before the window
// is shown, in the window's pixels; where the frame follows from the window's
// style alone, the platform knows it already.
QMargins askForFrame(QWindow &window);
