#include "saver/Saver.h"

#include "pattern/Picture.h"
#include "saver/SaverView.h"
#include "system/SaverHost.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

using kaleidra::Picture;

Saver::Saver(const SaverCommand &command, const SaverSettings &settings, kaleidra::RandomSource &random)
    : m_command(command)
    , m_settings(settings)
    , m_engine(random)
    , m_image(reinterpret_cast<uchar *>(m_engine.picture().bits()), Picture::side, Picture::side,
              Picture::side * int(sizeof(std::uint32_t)), QImage::Format_RGB32)
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &Saver::tick);
}

Saver::~Saver() = default;

QString Saver::start()
{
    m_engine.load();
    m_settings.copyBoundsTo(m_engine.state());
    m_engine.toggleRun();

    switch (m_command.mode) {
    case SaverCommand::Mode::Settings:
        Q_ASSERT(false);
        return QStringLiteral("設定の画面では描きません");
    case SaverCommand::Mode::FullScreen:
    case SaverCommand::Mode::Root:
        showOnEveryScreen();
        break;
    case SaverCommand::Mode::Window:
    case SaverCommand::Mode::Preview: {
        const std::optional<QSize> size = SaverHost::windowSize(WId(m_command.window));
        if (!size)
            return QStringLiteral("描く窓 %1 が見つかりません").arg(m_command.window);
        showInside(WId(m_command.window), *size);
        break;
    }
    }
    m_sinceClear.start();
    m_timer.start();
    return QString();
}

// On the root window XScreenSaver watches the user itself: the views only
// cover the screens, past the window manager, and take no input.
void Saver::showOnEveryScreen()
{
    const bool fullScreen = m_command.mode == SaverCommand::Mode::FullScreen;
    if (fullScreen)
        m_exitRule.emplace(QCursor::pos().x(), QCursor::pos().y());
    for (QScreen *screen : QGuiApplication::screens()) {
        auto view = std::make_unique<SaverView>(m_image);
        view->setScreen(screen);
        view->setGeometry(screen->geometry());
        if (fullScreen) {
            view->setFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
            view->setCursor(Qt::BlankCursor);
            connect(view.get(), &SaverView::keyOrClick, qApp, &QCoreApplication::quit);
            connect(view.get(), &SaverView::pointerMoved, this, &Saver::pointerMoved);
            view->showFullScreen();
        } else {
            view->setFlags(Qt::FramelessWindowHint | Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput);
            view->show();
        }
        m_views.push_back(std::move(view));
    }
    if (fullScreen && !m_views.empty())
        SaverHost::takeKeyboard(*m_views.front());
}

void Saver::showInside(WId window, QSize size)
{
    m_host.reset(QWindow::fromWinId(window));
    auto view = std::make_unique<SaverView>(m_image, m_host.get());
    view->setGeometry(QRect(QPoint(), size));
    view->show();
    m_views.push_back(std::move(view));
}

void Saver::tick()
{
    const bool followsWindow =
        m_command.mode == SaverCommand::Mode::Window || m_command.mode == SaverCommand::Mode::Preview;
    if (followsWindow) {
        const std::optional<QSize> size = SaverHost::windowSize(WId(m_command.window));
        if (!size) {
            QCoreApplication::quit();
            return;
        }
        if (*size != m_views.front()->size())
            m_views.front()->setGeometry(QRect(QPoint(), *size));
    }
    if (m_sinceClear.hasExpired(qint64(m_settings.intervalSeconds) * 1000)) {
        m_engine.toggleRun();
        m_engine.toggleRun();
        m_sinceClear.restart();
    }
    const kaleidra::PixelRect changed = m_engine.tick();
    for (const auto &view : m_views)
        view->showChanged(changed);
}

void Saver::pointerMoved(QPoint global)
{
    if (m_exitRule && m_exitRule->endsOnMove(global.x(), global.y()))
        QCoreApplication::quit();
}
