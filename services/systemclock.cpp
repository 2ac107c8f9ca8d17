#include "services/systemclock.h"

#include "toolkit/handlers.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace abacolo {

qint64 SystemClock::secondsNow() const
{
    return QDateTime::currentSecsSinceEpoch();
}

QTime SystemClock::timeOfDay() const
{
    return QTime::currentTime();
}

qint64 SystemClock::elapsedMs() const
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

void SystemClock::hold(int ms)
{
    HandlerGate::Hold hold;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace abacolo
