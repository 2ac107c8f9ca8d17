#pragma once

#include <QByteArray>
#include <QPoint>
#include <QProcessEnvironment>
#include <QSize>

namespace abacolo {

// The size every window of the program is laid out for.
inline constexpr QSize DesignSize(1024, 768);

// How the 1024 × 768 design meets the screen. Where the display can be switched to that mode
// the program switches it; elsewhere (Wayland, a display without the mode) every window is
// scaled alike by Qt's scale factor, so that the design fills the screen as far as the aspect
// ratio allows, and the design is centred.
struct DesignFit
{
    bool canSwitch = true; // the display can show 1024 × 768 (or already does)
    double scale = 1.0;    // Qt's scale factor for every window
    QPoint origin;         // the design's top-left corner, in scaled pixels
};

// The fit for a screen of `screen` pixels; the display is switched when `canSwitch`, and an
// unknown (invalid) size changes nothing. `userScale` is a scale factor the user chose (0: none).
DesignFit designFitFor(QSize screen, bool canSwitch, double userScale = 0);

// The platform Qt is to use in `environment`: "xcb" (XWayland) on a Wayland session that has
// an X display, unless the user chose one in QT_QPA_PLATFORM; empty: Qt's own choice.
QByteArray windowingPlatformFor(const QProcessEnvironment &environment);

// Runs before the application object exists. On a Wayland session the program uses XWayland
// (window placement needs X) unless the user chose a platform in QT_QPA_PLATFORM; where the
// X display cannot switch to 1024 × 768, Qt's scale factor is set for the fit.
void prepareWindowingSystem();

// The fit prepareWindowingSystem chose; without it (tests) the display switches, unscaled.
const DesignFit &designFit();

} // namespace abacolo
