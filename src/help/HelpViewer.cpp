#include "help/HelpViewer.h"

#include "help/HelpFile.h"
#include "system/Runtime.h"
#include "widgets/Icons.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr QSize designed(430, 620);
constexpr QSize readable(320, 240);

// The viewer's words for a help file it cannot show.
QString cannotShowHelpFile(const QString &path, const QString &reason)
{
    return QStringLiteral("<h3>%1</h3><p>%2</p>").arg(reason.toHtmlEscaped(), path.toHtmlEscaped());
}

// How good a place is: first its area, then its nearness to the place wanted.
std::pair<long long, int> merit(const QRect &place, QPoint wanted)
{
    return { 1LL * place.width() * place.height(), -(place.topLeft() - wanted).manhattanLength() };
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QMainWindow(parent)
    , m_text(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("カレイドラ ヘルプ"));
    setWindowIcon(Icons::program());
    // The program ends with its main window, even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_text->setAccessibleName(QStringLiteral("ヘルプ"));
    setCentralWidget(m_text);
    // Keys go to the text at once, so it scrolls without a click.
    setFocusProxy(m_text);
    resize(designed);
}

void HelpViewer::setHtml(const QString &html)
{
    m_text->setHtml(html);
}

QScrollBar *HelpViewer::verticalScrollBar() const
{
    return m_text->verticalScrollBar();
}

void HelpViewer::showContents(const QString &path)
{
    QWidget *opener = QApplication::activeWindow();
    const HelpFile::Contents contents = HelpFile::read(path);
    setHtml(contents.ok() ? contents.text : cannotShowHelpFile(path, contents.failure));
    verticalScrollBar()->setValue(0);
    if (opener && opener != this) {
        m_opener = opener;
        m_openerOwner = ownerOf(opener);
    }
    if (!isVisible())
        placeBeside(opener);
    show();
    raise();
    activateWindow();
}

// The controls are those of the window that owns the active one, so that F1
// in the chooser or the About window keeps the main window's controls in sight.
QWidget *HelpViewer::ownerOf(QWidget *window)
{
    while (window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

void HelpViewer::placeBeside(QWidget *window)
{
    // The window active while this one was hidden, if any.
    Q_ASSERT(window != this);
    if (!window)
        return;
    window = ownerOf(window);
    QList<QRect> controls;
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (child->isVisible() && !child->isWindow()
            && std::none_of(child->children().cbegin(), child->children().cend(), [](const QObject *grandchild) {
                   return grandchild->isWidgetType() && static_cast<const QWidget *>(grandchild)->isVisible();
               }))
            controls << QRect(child->mapToGlobal(QPoint()), child->size());
    }
    // The window manager gives this window the same frame as the other one.
    // Asked of the platform window, as the widget may not know its frame yet.
    const QWindow *platformWindow = window->windowHandle();
    const QMargins frame = platformWindow ? platformWindow->frameMargins() : QMargins();
    const QRect outer = placement(window->screen()->availableGeometry(), window->geometry().marginsAdded(frame),
                                  controls, designed.grownBy(frame));
    // Given without the frame: a window shown before would take a frame
    // position against the frame it had then.
    setGeometry(outer.marginsRemoved(frame));
    m_justPlaced = true;
}

bool HelpViewer::event(QEvent *event)
{
    // By its first activation the window manager has framed the window, and
    // its own frame may be wider than the one it was placed with.
    if (event->type() == QEvent::WindowActivate && m_justPlaced) {
        m_justPlaced = false;
        keepOnScreen();
    }
    return QMainWindow::event(event);
}

void HelpViewer::keyPressEvent(QKeyEvent *event)
{
    // Esc, as it closes a dialog.
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QMainWindow::keyPressEvent(event);
}

void HelpViewer::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    Runtime::giveFocusBack(m_opener && m_opener->isVisible() ? m_opener : m_openerOwner);
}

void HelpViewer::keepOnScreen()
{
    const QRect screenArea = screen()->availableGeometry();
    const QMargins frame = windowHandle()->frameMargins();
    const QRect outer = geometry().marginsAdded(frame);
    if (screenArea.contains(outer))
        return;
    // Shrunk where it stands, so that it stays clear of what it was placed beside.
    const QPoint topLeft(std::clamp(outer.left(), screenArea.left(), screenArea.right()),
                         std::clamp(outer.top(), screenArea.top(), screenArea.bottom()));
    const QSize room(screenArea.right() + 1 - topLeft.x(), screenArea.bottom() + 1 - topLeft.y());
    setGeometry(QRect(topLeft, outer.size().boundedTo(room)).marginsRemoved(frame));
}

QRect HelpViewer::placement(const QRect &screen, const QRect &window, const QList<QRect> &controls, QSize size)
{
    const QPoint wanted(window.right() + 1, window.top());
    QList<int> lefts { wanted.x(), window.left() - size.width(), screen.left(), screen.right() + 1 - size.width() };
    QList<int> tops { wanted.y(), window.bottom() + 1, screen.top(), screen.bottom() + 1 - size.height() };
    for (const QRect &control : controls) {
        lefts << control.right() + 1;
        tops << control.bottom() + 1;
    }
    std::optional<QRect> best;
    for (const int left : lefts) {
        for (const int top : tops) {
            if (!screen.contains(left, top))
                continue;
            const QRect candidate(left, top, std::min(size.width(), screen.right() + 1 - left),
                                  std::min(size.height(), screen.bottom() + 1 - top));
            if (candidate.width() < readable.width() || candidate.height() < readable.height()
                || std::any_of(controls.cbegin(), controls.cend(),
                               [&candidate](const QRect &control) { return control.intersects(candidate); }))
                continue;
            if (!best || merit(candidate, wanted) > merit(*best, wanted))
                best = candidate;
        }
    }
    if (best)
        return *best;
    const QSize fitted = size.boundedTo(screen.size());
    return QRect(QPoint(std::clamp(wanted.x(), screen.left(), screen.right() + 1 - fitted.width()),
                        std::clamp(wanted.y(), screen.top(), screen.bottom() + 1 - fitted.height())),
                 fitted);
}
