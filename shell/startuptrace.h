#pragma once

#include <QString>

namespace abacolo {

// With ABACOLO_TRACE_STARTUP set in the environment, start-up tells on stderr where its time
// goes: each step as "startup: <step> at <ms>" counted from the program's first step, and each
// window as "startup: <name> made in <ms>". Otherwise these do nothing.
bool tracingStartup();
void traceStartupStep(const char *step);
void traceWindowMade(const QString &name, qint64 nanoseconds);

} // namespace abacolo
