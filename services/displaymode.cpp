#include "services/displaymode.h"

#include "services/designfit.h"
#include "services/xrandrlayer.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

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
    const QScreen *screen = QGuiApplication::primaryScreen();
    // Scaled, the windows' pixels are larger than the screen's: the size in the windows' pixels.
    if (designFit().scale != 1.0)
        return screen ? screen->size() : QSize();
    if (const DisplayLayer *display = layer()) {
        // The server's own answer: the toolkit learns of a switch only when its event arrives.
        const QSize size = display->currentSize();
        if (size.isValid())
            return size;
    }
    return screen ? screen->size() : QSize();
}

QPoint ScreenDisplay::designOrigin() const
{
    return m_originOnRefusal.value_or(designFit().origin);
}

void ScreenDisplay::SetDisplaySize(int width, int height)
{
    const QSize wanted(width, height);
    DisplayLayer *display = layer();
    if (!display || wanted.isEmpty() || !designFit().canSwitch)
        return;
    const QSize current = display->currentSize();
    if (!current.isValid() || current == wanted)
        return; // unknown, or already there: nothing to switch
    if (!display->switchTo(wanted) && wanted == DesignSize) {
        // Refused or no such mode: the screen keeps its size and the design is centred on it.
        const QSize margin = (current - DesignSize) / 2;
        m_originOnRefusal = QPoint(std::max(0, margin.width()), std::max(0, margin.height()));
    }
}

} // namespace abacolo
