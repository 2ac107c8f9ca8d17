#include "toolkit/handlers.h"

#include "tables/apperror.h"

#include <QCoreApplication>
#include <QTimer>
#include <QVector>
#include <utility>

namespace abacolo {

namespace {

struct Deferred
{
    const void *key; // null: never folded
    std::function<void()> fn;
};

struct GateState
{
    HandlerGate::Reporter reporter;
    int holds = 0;
    QVector<Deferred> deferred;
};

GateState &state()
{
    static GateState s;
    return s;
}

void report(const QString &text)
{
    if (state().reporter)
        state().reporter(text);
}

void runDeferred()
{
    // Each deferred handler may hold the gate again; what it defers then waits for that hold.
    while (!state().deferred.isEmpty() && state().holds == 0) {
        const Deferred next = state().deferred.takeFirst();
        HandlerGate::guard(next.fn);
    }
}

} // namespace

void HandlerGate::setErrorReporter(Reporter reporter)
{
    state().reporter = std::move(reporter);
}

bool HandlerGate::held()
{
    return state().holds > 0;
}

void HandlerGate::guard(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const AppError &e) {
        report(e.message());
    } catch (const std::exception &e) {
        report(QString::fromUtf8(e.what()));
    } catch (...) {
        report(QString());
    }
}

void HandlerGate::run(const void *key, std::function<void()> fn)
{
    if (!held()) {
        guard(fn);
        return;
    }
    for (Deferred &d : state().deferred) {
        if (d.key == key) {
            d.fn = std::move(fn);
            return;
        }
    }
    state().deferred.append({key, std::move(fn)});
}

void HandlerGate::runInTurn(std::function<void()> fn)
{
    if (!held()) {
        guard(fn);
        return;
    }
    state().deferred.append({nullptr, std::move(fn)});
}

HandlerGate::Hold::Hold()
{
    ++state().holds;
}

HandlerGate::Hold::~Hold()
{
    if (--state().holds == 0 && !state().deferred.isEmpty()) {
        // Run what waited after the handler that held the gate has finished.
        QTimer::singleShot(0, qApp, &runDeferred);
    }
}

} // namespace abacolo
