// A black window for the screen saver to draw into, as XScreenSaver gives
// it. Prints its number.
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>

#include <cstdio>

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
    BlackWindow window;
    window.setTitle(QStringLiteral("saver host"));
    window.setGeometry(arguments[3].toInt(), arguments[4].toInt(), arguments[1].toInt(), arguments[2].toInt());
    window.show();
    std::printf("%llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    return app.exec();
}
