#pragma once

namespace abacolo {

// The program: splash, title, the window set, the event loop. Returns the exit code, 0
// also after a reported error. The worksheet commands run instead, without any window.
int runProgram(int argc, char **argv);

} // namespace abacolo
