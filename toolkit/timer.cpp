#include "toolkit/timer.h"

#include "toolkit/handlers.h"

namespace abacolo {

Timer::Timer(const QString &name, QObject *parent, int intervalMs, bool enabled)
    : QObject(parent)
{
    setObjectName(name);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        HandlerGate::run(this, [this] {
            // A tick deferred past a hold that stopped the timer meanwhile is dropped.
            if (m_handler && m_timer.isActive())
                m_handler();
        });
    });
    if (enabled)
        m_timer.start();
}

void Timer::setOnTimer(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void Timer::setEnabled(bool enabled)
{
    // Starting a running timer leaves its current period alone.
    if (enabled && !m_timer.isActive())
        m_timer.start();
    else if (!enabled)
        m_timer.stop();
}

void Timer::setInterval(int ms)
{
    m_timer.setInterval(ms);
}

} // namespace abacolo
