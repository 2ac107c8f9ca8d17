#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace abacolo {

// A timer component (`Timer1` …): an interval, an enabled switch and one handler, which
// runs through the handler boundary, so that a tick during an answer sequence waits for it.
class Timer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Timer)

public:
    Timer(const QString &name, QObject *parent, int intervalMs = 1000, bool enabled = true);

    void setOnTimer(std::function<void()> handler);
    void setEnabled(bool enabled);
    bool enabled() const { return m_timer.isActive(); }
    void setInterval(int ms);
    int interval() const { return m_timer.interval(); }

private:
    QTimer m_timer;
    std::function<void()> m_handler;
};

} // namespace abacolo
