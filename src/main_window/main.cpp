#include "main_window/Form1.h"
#include "platform/ClockRandom.h"
#include "platform/JapaneseUi.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // A scaled screen shows each picture pixel as a whole block of pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    installJapaneseUi(app);

    ClockRandom random;
    Form1 window(random);
    window.show();
    return app.exec();
}
