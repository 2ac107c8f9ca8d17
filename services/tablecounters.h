#pragma once

#include "services/services.h"

namespace abacolo {

// The progress counters on the data module's "sys.db" table.
class TableCounters : public Counters
{
public:
    void IncrementCounter(const QString &field) override;
};

} // namespace abacolo
