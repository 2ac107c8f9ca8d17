#include "shell/displaymode.h"

#include <QGuiApplication>
#include <QScreen>

namespace abacolo {

int SavedScreenWidth = 0;
int SavedScreenHeight = 0;

QSize ScreenDisplay::screenSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void ScreenDisplay::SetDisplaySize(int, int)
{
}

} // namespace abacolo
