#pragma once

#include <QStringList>

namespace abacolo {

// The fruit and small animals that the activities count, pair and share: one picture each,
// carried by the program under these names.
QStringList countedThings();

} // namespace abacolo
