#pragma once

#include <cstdio>
#include <optional>

namespace abacolo {

// Answers "--help" and "--version" on the terminal, before any window or display is touched.
// Returns the exit code when the program should end there; nothing when it should start.
std::optional<int> answerCommandLine(int argc, const char *const *argv, std::FILE *out);

} // namespace abacolo
