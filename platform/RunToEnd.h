// Runs a console program to its end, its standard output and standard error
// going to one scratch file, and gives back what it wrote. Waits on the
// process itself, never on a pipe's end: a daemon the program leaves behind
// (adb starts its server so) may hold inherited handles long after.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// args[0] is the program's path. *output gets at most the last `limit`
// bytes written; false when the program could not be started.
bool RunToEnd(const std::vector<std::wstring>& args, std::size_t limit, std::string* output);

}  // namespace platform
