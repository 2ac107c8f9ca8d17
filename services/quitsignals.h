#pragma once

namespace abacolo {

// Turns SIGINT, SIGTERM and SIGHUP into an orderly end: the event loop ends as if the main
// window had been closed, so everything the program does at its end (switching the screen
// back, freeing the windows) still happens.
//
// The signal handler only writes the signal's number into a socket pair (write() is safe in
// a signal handler) and gives the signal back its default action, so that a second signal
// ends a program that no longer responds. The event loop reads the socket and calls
// QCoreApplication::exit(0). Signals the program was started with ignored (nohup, a
// background job) stay ignored.
class QuitSignals
{
public:
    // Idempotent; needs the application object. Returns false where it cannot be installed.
    static bool install();
    // Whether install() has taken over `signal`.
    static bool handles(int signal);
};

} // namespace abacolo
