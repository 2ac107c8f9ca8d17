#include "shell/startuptrace.h"

#include <QElapsedTimer>
#include <QtGlobal>
#include <cstdio>

namespace abacolo {

bool tracingStartup()
{
    static const bool on = qEnvironmentVariableIsSet("ABACOLO_TRACE_STARTUP");
    return on;
}

void traceStartupStep(const char *step)
{
    if (!tracingStartup())
        return;
    // Started by the first step traced.
    static QElapsedTimer sinceFirstStep;
    if (!sinceFirstStep.isValid())
        sinceFirstStep.start();
    std::fprintf(stderr, "startup: %s at %.1f ms\n", step, double(sinceFirstStep.nsecsElapsed()) / 1e6);
}

void traceWindowMade(const QString &name, qint64 nanoseconds)
{
    if (tracingStartup())
        std::fprintf(stderr, "startup: %s made in %.1f ms\n", qPrintable(name), double(nanoseconds) / 1e6);
}

} // namespace abacolo
