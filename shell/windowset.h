#pragma once

#include <QList>
#include <QString>

#include <functional>

class QObject;

namespace abacolo {

struct Services;

// Every window of the program and the data module, created once, hidden, in a fixed order
// with the main window first, and reachable through their global instances. Freed, in the
// reverse order, when the set is destroyed at the end of the program. A member whose creation
// fails frees the members made before it, so none of their timers outlives the services.
class WindowSet
{
public:
    explicit WindowSet(Services &services);
    ~WindowSet();

    // For tests: run with each member's instance name just before it is created; what it
    // throws fails the creation as that member's constructor would.
    using CreationHook = std::function<void(const QString &instance)>;
    static void setCreationHook(CreationHook hook);
    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;

    // The members in creation order.
    const QList<QObject *> &members() const { return m_members; }

private:
    void createMembers(Services &services);
    void freeMembers();

    QList<QObject *> m_members;
};

} // namespace abacolo
