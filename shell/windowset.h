#pragma once

#include <QList>

class QObject;

namespace abacolo {

struct Services;

// Every window of the program and the data module, created once, hidden, in a fixed order
// with the main window first, and reachable through their global instances. Freed, in the
// reverse order, when the set is destroyed at the end of the program.
class WindowSet
{
public:
    explicit WindowSet(Services &services);
    ~WindowSet();
    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;

    // The members in creation order.
    const QList<QObject *> &members() const { return m_members; }

private:
    QList<QObject *> m_members;
};

} // namespace abacolo
