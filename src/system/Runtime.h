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
// its windows on: one that is named, and on X one that answers.
bool hasDisplay(int argc, char *argv[]);

// The same, saying on the standard error, in Japanese and English, where
// there is none: Qt would end the program with an abort and English words,
// and the caller ends it with status 1 instead.
bool hasDisplayOrSaysSo(int argc, char *argv[]);

} // namespace Runtime
