#include "main_window/Form1.h"
#include "platform/ClockRandom.h"
#include "platform/DisplayScale.h"
#include "platform/JapaneseUi.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    chooseDisplayScale(argc, argv, Form1::designSize, Form1::frameKind);
    QApplication app(argc, argv);
    installJapaneseUi(app);

    ClockRandom random;
    Form1 window(random);
    window.show();
    return app.exec();
}
