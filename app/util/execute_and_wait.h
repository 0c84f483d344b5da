// Starting an outside program (a self-extracting table package, the
// updater) and waiting until it ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// Splits a parameter text as a Windows command line is split: blanks and
// tabs separate arguments except inside double quotes; the quotes are
// removed; backslashes are literal except before a double quote, where 2n
// of them give n and a quote toggling, and 2n+1 give n and a literal quote.
std::vector<std::string> splitCommandLine(std::string_view parameters);

// Starts the program with its parameters split as above and its own folder
// as working directory, and waits without limit until it ends. True when the
// program could be started (whatever it then returns); false otherwise.
// Blocks the calling thread meanwhile.
bool ExecuteAndWait(std::string_view programPath, std::string_view parameters);

} // namespace verdalis
