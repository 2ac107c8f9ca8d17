#pragma once

#include "services/services.h"

namespace abacolo {

// The real clock. Its hold() runs a local event loop that leaves user input waiting in the
// window system's queue and defers our handlers, so windows repaint while nothing reacts.
class SystemClock : public Clock
{
public:
    qint64 secondsNow() const override;
    QTime timeOfDay() const override;
    qint64 elapsedMs() const override;
    void hold(int ms) override;
};

} // namespace abacolo
