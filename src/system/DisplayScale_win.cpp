#include "system/DisplayScale.h"

// Qt on Windows works the frame out from the window's style when it makes the window.
void askForFrame(QWindow &)
{
}
