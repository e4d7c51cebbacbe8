#include "DisplayScale.h"

#include <QFont>
#include <QGuiApplication>

void chooseDisplayScale()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
}

QFont designFont(const QString &family, int points)
{
    QFont font(family);
    font.setPixelSize(points * 96 / 72);
    return font;
}
