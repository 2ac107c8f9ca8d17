#pragma once

namespace abacolo {

// The worksheets from the command line, without a window or a display:
//   --list-worksheets                      every entry, one a line: number, tab, group, caption
//   --worksheet N|CAPTION [--tab TAB] [--group GROUP] [--seed N] --pdf FILE
// True when the arguments ask for one of them.
bool isWorksheetCommand(int argc, char **argv);

// Runs the command and returns the exit code: 0 done, 2 a wrong or ambiguous request (nothing
// written), 1 the file could not be written.
int runWorksheetCommand(int argc, char **argv);

} // namespace abacolo
