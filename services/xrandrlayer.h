#pragma once

#include "services/displaymode.h"

#include <QByteArray>
#include <memory>

struct _XDisplay;

namespace abacolo {

// The display layer of X11: the screen configurations of the RandR extension, which the
// server applies to its primary output. Uses a connection of its own to the toolkit's display.
class XRandrLayer : public DisplayLayer
{
public:
    // Connects to the named X display (empty: $DISPLAY); null without a display or RandR.
    static std::unique_ptr<XRandrLayer> open(const QByteArray &displayName);
    ~XRandrLayer() override;
    XRandrLayer(const XRandrLayer &) = delete;
    XRandrLayer &operator=(const XRandrLayer &) = delete;

    QSize currentSize() const override;
    bool switchTo(QSize size) override;
    // Whether the primary display's mode list holds `size`.
    bool offers(QSize size) const;
    // The refresh rate of the current configuration, in Hz.
    int currentRate() const;

private:
    explicit XRandrLayer(_XDisplay *display);

    _XDisplay *m_display;
};

// The windowing system's display layer: the RandR layer on the toolkit's X11 display; null on
// every other platform (Wayland, offscreen), where a program may not change the resolution.
std::unique_ptr<DisplayLayer> openSystemDisplayLayer();

} // namespace abacolo
