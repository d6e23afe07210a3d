#include "platform/Desktop.h"

#include <QGuiApplication>
#include <QScreen>

QRect GetDesktopRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}
