#pragma once

#include "services/services.h"

#include <QPoint>
#include <QSize>
#include <memory>
#include <optional>

namespace abacolo {

// The primary screen's size when the main window was first shown; written once, read once.
extern int SavedScreenWidth;
extern int SavedScreenHeight;

// What the display mode switch needs of the windowing system: the primary display's size and
// a switch to another size of its mode list. The X11 layer (xrandrlayer.h) is the real one;
// tests put in their own.
class DisplayLayer
{
public:
    virtual ~DisplayLayer() = default;
    // The primary display's current size; invalid when it cannot be read.
    virtual QSize currentSize() const = 0;
    // Switches the primary display to `size`, keeping colour depth and refresh rate. Returns
    // false, changing nothing, when the display has no such mode or refuses the change.
    virtual bool switchTo(QSize size) = 0;
};

// The display mode switch of the main window. Where the windowing system lets a program
// change the resolution (X11 with RandR) it switches the primary display; elsewhere (Wayland,
// offscreen, no display) it leaves the screen as it is and reports the screen's size; there the
// design is scaled and centred (designfit.h).
class ScreenDisplay : public Display
{
public:
    // The windowing system's own layer, opened when first needed.
    ScreenDisplay();
    // A given layer; null means a platform that cannot switch.
    explicit ScreenDisplay(std::unique_ptr<DisplayLayer> layer);
    ~ScreenDisplay() override;
    ScreenDisplay(const ScreenDisplay &) = delete;
    ScreenDisplay &operator=(const ScreenDisplay &) = delete;

    QSize screenSize() const override;
    void SetDisplaySize(int width, int height) override;
    QPoint designOrigin() const override;

private:
    DisplayLayer *layer() const;

    mutable std::unique_ptr<DisplayLayer> m_layer;
    mutable bool m_layerOpened;
    // Where the design stands after the display refused 1024 × 768 (or lacked it): the middle
    // of the screen, not its corner.
    std::optional<QPoint> m_originOnRefusal;
};

} // namespace abacolo
