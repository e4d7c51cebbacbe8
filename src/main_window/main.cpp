#include "main_window/MainWindow.h"
#include "pattern/ClockRandom.h"
#include "system/DisplayScale.h"
#include "system/Runtime.h"
#include "widgets/JapaneseUi.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!Runtime::hasDisplayOrSaysSo(argc, argv))
        return 1;
    chooseDisplayScale(argc, argv, MainWindow::designSize, MainWindow::frameKind);
    QApplication app(argc, argv);
    installJapaneseUi(app);

    kaleidra::ClockRandom random;
    MainWindow window(random);
    window.show();
    return app.exec();
}
