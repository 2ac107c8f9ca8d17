#pragma once

#include <QString>

namespace abacolo {

// The data directory: the process's current directory, without a trailing separator. Every
// data file is this directory followed by a relative path such as "/skin/diamond.ssk".
QString DataDirectory();

} // namespace abacolo
