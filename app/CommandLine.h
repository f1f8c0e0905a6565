// Tonik's command line: only --help and --version, beside the options Qt
// itself takes (-platform, -display, ...). Read before any window system is
// touched, so that both work without a display.
#pragma once

#include <string>

namespace tonik {

// -1 when Tonik should start; otherwise the exit status after --help or
// --version (0) or an unknown option or argument (2, with the usage on
// standard error).
int HandleCommandLine(int argc, char** argv);

// Says on standard error, in the user's language, that there is no display
// and that --contrast needs none.
void PrintNoDisplay();

// The X display Qt will connect to: its -display option (read before Qt takes
// it out of argv), else $DISPLAY; empty when neither names one.
std::string DisplayName(int argc, char** argv);

}  // namespace tonik
