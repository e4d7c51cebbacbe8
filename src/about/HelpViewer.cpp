#include "HelpViewer.h"

#include "HelpFile.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {

// The viewer's words for a help file it cannot show.
QString cannotShowHelpFile(const QString &path, const QString &reason)
{
    return QStringLiteral("<h3>%1</h3><p>%2</p>").arg(reason.toHtmlEscaped(), path.toHtmlEscaped());
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QStringLiteral("カレイドラ ヘルプ"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kaleidra.xpm")));
    // The program ends with its main window, even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(430, 620);
}

void HelpViewer::showContents(const QString &path)
{
    const HelpFile::Contents contents = HelpFile::read(path);
    setHtml(contents.ok() ? contents.text : cannotShowHelpFile(path, contents.failure));
    verticalScrollBar()->setValue(0);
    if (!isVisible())
        placeBeside(QApplication::activeWindow());
    show();
    raise();
    activateWindow();
}

// To the right of the window, as far as the screen allows, so that much of
// both stays in sight without a window manager's help.
void HelpViewer::placeBeside(const QWidget *window)
{
    if (!window || window == this)
        return;
    const QRect beside = window->frameGeometry();
    const QRect screen = window->screen()->availableGeometry();
    const int left = std::max(screen.left(), std::min(beside.right() + 1, screen.right() + 1 - frameGeometry().width()));
    move(left, beside.top());
}
