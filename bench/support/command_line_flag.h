// A benchmark's own switch (such as "--large"), taken out of the command line
// before Google Benchmark reads the rest, which refuses flags it does not know.
#pragma once

#include <cstring>

namespace verdalis::bench {

// Removes every `flag` from argv (keeping the order of the rest) and tells
// whether there was one.
inline bool takeFlag(int& argc, char** argv, const char* flag)
{
    bool found = false;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], flag) == 0) {
            found = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return found;
}

} // namespace verdalis::bench
