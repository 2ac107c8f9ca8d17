#include "shell/designfit.h"

#include "shell/xrandrlayer.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <memory>
#include <cmath>

namespace abacolo {

namespace {

DesignFit chosenFit;

int centred(int screen, int design, double scale)
{
    return std::max(0, int(std::lround((screen / scale - design) / 2)));
}

} // namespace

DesignFit designFitFor(QSize screen, bool canSwitch, double userScale)
{
    DesignFit fit;
    if (!screen.isValid() || screen == DesignSize)
        return fit;
    fit.canSwitch = canSwitch;
    if (canSwitch)
        return fit;
    fit.scale = userScale > 0 ? userScale
                              : std::min(double(screen.width()) / DesignSize.width(),
                                         double(screen.height()) / DesignSize.height());
    fit.origin = QPoint(centred(screen.width(), DesignSize.width(), fit.scale),
                        centred(screen.height(), DesignSize.height(), fit.scale));
    return fit;
}

void prepareWindowingSystem()
{
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return; // offscreen, or Wayland by the user's choice: nothing to switch or measure

    const std::unique_ptr<XRandrLayer> display = XRandrLayer::open({});
    if (!display)
        return;
    const QSize screen = display->currentSize();
    // XWayland pretends to switch modes only for full-screen windows: a Wayland session never
    // switches.
    const bool canSwitch = !wayland && display->offers(DesignSize);
    bool userScaleGiven = false;
    const double userScale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&userScaleGiven);
    chosenFit = designFitFor(screen, canSwitch, userScaleGiven ? userScale : 0);
    if (chosenFit.scale != 1.0 && !userScaleGiven) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(chosenFit.scale, 'g', 10));
        // The factor alone decides the size: no further factor from the screen's DPI.
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
}

const DesignFit &designFit()
{
    return chosenFit;
}

} // namespace abacolo
