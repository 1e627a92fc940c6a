#pragma once

#include "app/command_line.h"

namespace rods {

// Writes the file the command line asks for instead of opening a window;
// returns the program's exit status: 0 when written, 1 when the file could
// not be written (said in one line on standard error).
int writePaperJob(const CommandLine& commandLine);

} // namespace rods
