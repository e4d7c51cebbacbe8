#include "system/Runtime.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace Runtime {

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

// On Linux the XDG pictures folder of the user's settings, else ~/Pictures;
// on Windows the known folder, which the user or an administrator may have
// moved, even to another drive.
QString picturesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void postKeyPress(Qt::Key key)
{
    QObject *receiver = QApplication::focusWidget();
    if (!receiver)
        receiver = QApplication::activeWindow();
    if (!receiver)
        receiver = QCoreApplication::instance();
    QCoreApplication::postEvent(receiver, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(receiver, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

void giveFocusBack(QWidget *widget)
{
    if (!widget || !widget->window()->isVisible())
        return;
    // Asked of the window itself: QWidget::activateWindow() asks nothing while
    // the window still counts as active through a closing window of its own.
    if (QWindow *window = widget->window()->windowHandle())
        window->requestActivate();
}

bool hasDisplayOrSaysSo(int argc, char *argv[])
{
    if (hasDisplay(argc, argv))
        return true;
    std::fputs("表示先 (ディスプレイ) がないため、窓を開けません。 There is no display to open the window on.\n", stderr);
    return false;
}

void endProgram()
{
    // Hidden first, so nothing is shown or takes input while the event loops
    // unwind. Hiding a modal window ends its own loop, and exit() ends every
    // loop still running, so no nested exec() keeps the program alive.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace Runtime
