#pragma once

#include <QString>

namespace abacolo {

// The password of the program's table files: the seed tool marks them with it, the main
// window opens them with it.
inline const QString TablePassword = QStringLiteral("qqqqqq777777");

} // namespace abacolo
