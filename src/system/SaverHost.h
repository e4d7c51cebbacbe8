#pragma once

#include <QSize>
#include <QWindow>

#include <optional>

class QString;

// What the screen saver asks of the system it runs on: how to start, the
// windows it is given to draw in, and where a bad command line is told.
namespace SaverHost {

// Before the application object exists. While drawing (not showing its
// settings), the saver draws in device pixels, and on Linux through X11,
// whose windows XScreenSaver hands over, even on a Wayland session.
void prepareProcess(bool drawing);

// The inside size of a window of another program; none once it is gone.
std::optional<QSize> windowSize(WId window);

// Gives the full-screen saver the keyboard, so that any key ends it, though
// the system may not hand it to a program that the user did not start.
void takeKeyboard(QWindow &window);

// Tells the user why the command line was refused.
void showError(const QString &message);

} // namespace SaverHost
