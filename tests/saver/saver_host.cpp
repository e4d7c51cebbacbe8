// A black window for the screen saver to draw into, as XScreenSaver or
// Windows' preview would give it. Prints its number; with a fourth argument,
// closes the window after that many seconds and lives on for five more.
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QTimer>

#include <cstdio>
#include <memory>

class BlackWindow : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(QRect(QPoint(), size()), Qt::black); }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 5)
        return 2;
    auto window = std::make_unique<BlackWindow>();
    window->setTitle(QStringLiteral("saver host"));
    window->setGeometry(arguments[3].toInt(), arguments[4].toInt(), arguments[1].toInt(), arguments[2].toInt());
    window->show();
    std::printf("%llu\n", static_cast<unsigned long long>(window->winId()));
    std::fflush(stdout);
    if (arguments.size() > 5) {
        QTimer::singleShot(arguments[5].toInt() * 1000, [&window] { window.reset(); });
        QTimer::singleShot((arguments[5].toInt() + 5) * 1000, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
