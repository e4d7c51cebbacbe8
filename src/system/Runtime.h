#pragma once

#include <Qt>

class QString;
class QWidget;

// What the program asks of its runtime: where it lives and was started, a key
// press into its own input, the keyboard focus, and ending.
namespace Runtime {

// The folder of the program file in the system's notation, with a trailing
// separator only at the root.
QString programFolder();

// The folder the program was started in, even when it has been removed since:
// then the system still names it, and callers look for its nearest parent.
// Empty only when even that name cannot be learnt.
QString startFolder();

// The user's own Pictures folder as the system names it; it may not exist.
QString picturesFolder();

// Whether the user may make files in folder.
bool canWriteIn(const QString &folder);

// Queues a press and release of the key for the focused widget (else the
// active window, else the application); it is handled after the caller
// has returned to the event loop.
void postKeyPress(Qt::Key key);

// Gives the keyboard back to the window holding widget once a window over it
// has closed. Left to itself, a window manager may give it to a window that is
// closing too, as when a question and the chooser close at once, and then to
// none at all. Nothing happens to a window no longer shown.
void giveFocusBack(QWidget *widget);

// Ends the program with status 0 at once, whatever windows are open.
void endProgram();

// Whether the program, started with these arguments, has a display to open
// its windows on. Where it has none, Qt would end it with an abort; the
// program says why instead (noDisplayMessage) and ends with status 1.
bool hasDisplay(int argc, char *argv[]);
inline constexpr const char *noDisplayMessage =
    "表示先 (ディスプレイ) がないため、窓を開けません。 There is no display to open the window on.\n";

} // namespace Runtime
