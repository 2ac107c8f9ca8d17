#include "services/displaymode.h"

#include "services/quitsignals.h"
#include "services/xrandrlayer.h"

#include <QGuiApplication>
#include <QScreen>

namespace abacolo {

int SavedScreenWidth = 0;
int SavedScreenHeight = 0;

ScreenDisplay::ScreenDisplay()
    : m_layerOpened(false)
{
}

ScreenDisplay::ScreenDisplay(std::unique_ptr<DisplayLayer> layer)
    : m_layer(std::move(layer))
    , m_layerOpened(true)
{
}

ScreenDisplay::~ScreenDisplay() = default;

DisplayLayer *ScreenDisplay::layer() const
{
    if (!m_layerOpened) {
        m_layerOpened = true;
        m_layer = openSystemDisplayLayer();
    }
    return m_layer.get();
}

QSize ScreenDisplay::screenSize() const
{
    if (const DisplayLayer *display = layer()) {
        // The server's own answer: the toolkit learns of a switch only when its event arrives.
        const QSize size = display->currentSize();
        if (size.isValid())
            return size;
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void ScreenDisplay::SetDisplaySize(int width, int height)
{
    const QSize wanted(width, height);
    DisplayLayer *display = layer();
    if (!display || wanted.isEmpty())
        return;
    const QSize current = display->currentSize();
    if (!current.isValid() || current == wanted)
        return; // unknown, or already there: nothing to switch
    if (!display->switchTo(wanted))
        return; // no such mode, or refused: the screen keeps its size
    // From now on the screen is not the user's: a request to end must run the normal end.
    QuitSignals::install();
}

} // namespace abacolo
