// The program's one command-line switch.
#pragma once
#include <string>

// "/restore" gives the Start button back and starts nothing else. Its first
// word decides, in any case, with "-" for "/" and quoted or not, as
// shortcuts and scripts write it; what follows it does not matter.
bool IsRestoreSwitch(const std::string& commandLine);
