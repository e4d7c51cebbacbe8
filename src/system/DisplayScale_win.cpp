#include "system/DisplayScale.h"

#include <QWindow>

// Qt on Windows works the frame out from the window's style when it makes the window.
QMargins askForFrame(QWindow &window)
{
    return window.frameMargins();
}
