#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace abacolo {

// The boundary between the toolkit and our event handlers.
//
// Every handler the toolkit calls (a click, a timer tick, an activation) runs through
// runHandler(): an error escaping the handler is reported in a message box and the program
// carries on; no C++ exception ever unwinds through Qt's own frames.
//
// While an answer sequence holds the event loop (HandlerGate::Hold), handlers are not run
// but deferred, and run once the hold ends: the windows keep repainting, yet no click, key or
// tick of ours is handled in the middle of a sequence. Ticks and other notices of the same
// source fold into one; what the user does (every click, every mouse event) runs in turn.
class HandlerGate
{
public:
    using Reporter = std::function<void(const QString &)>;

    // Where errors escaping a handler go (the dialog service's error box).
    static void setErrorReporter(Reporter reporter);

    static bool held();

    // Runs fn now, or later if the gate is held; `key` folds repeated deferrals (a timer
    // that ticks twice during a hold runs once afterwards, as the system coalesces ticks).
    static void run(const void *key, std::function<void()> fn);

    // Runs fn now, or later if the gate is held, after everything deferred before it and
    // never folded: two clicks during a hold are two clicks afterwards.
    static void runInTurn(std::function<void()> fn);

    // Runs fn inside the error boundary, ignoring the gate.
    static void guard(const std::function<void()> &fn);

    // Holds the gate for its lifetime; holds nest.
    class Hold
    {
    public:
        Hold();
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;
    };
};

// Connects a signal of the user's doing (a click, a mouse event) to a handler through the
// boundary.
template<typename Sender, typename Signal, typename Handler>
QMetaObject::Connection onEvent(const Sender *sender, Signal signal, const QObject *context,
                                Handler handler)
{
    return QObject::connect(sender, signal, context, [handler](auto &&...args) {
        HandlerGate::runInTurn([handler, args...] { handler(args...); });
    });
}

} // namespace abacolo
