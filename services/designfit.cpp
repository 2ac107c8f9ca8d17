#include "services/designfit.h"

#include "services/xrandrlayer.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

DesignFit chosenFit;

bool isWaylandSession(const QProcessEnvironment &environment)
{
    return !environment.value(u"WAYLAND_DISPLAY"_s).isEmpty()
        || environment.value(u"XDG_SESSION_TYPE"_s) == u"wayland"_s;
}

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

QByteArray windowingPlatformFor(const QProcessEnvironment &environment)
{
    if (environment.contains(u"QT_QPA_PLATFORM"_s))
        return environment.value(u"QT_QPA_PLATFORM"_s).toLocal8Bit();
    if (isWaylandSession(environment) && !environment.value(u"DISPLAY"_s).isEmpty())
        return "xcb";
    return {};
}

void prepareWindowingSystem()
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const bool wayland = isWaylandSession(environment);
    const QByteArray platform = windowingPlatformFor(environment);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
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
