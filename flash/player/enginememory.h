#pragma once

namespace abacolo {

// Once no player runs any more, gives the memory the engine no longer uses back to the
// system: the heap it freed, and the pages of its libraries' code and constant data (they
// stay in the system's file cache and come back at the engine's next start).
void handBackEngineMemory();

} // namespace abacolo
