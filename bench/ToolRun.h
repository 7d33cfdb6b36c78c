// Runs a console tool the plainest way the OS allows, with its output read
// on a pipe. The inspection bench times this as the tool's own cost, against
// which the program's inspection is compared.
#pragma once

#include <string>

namespace bench {

// The bytes the tool wrote (standard output and error joined) and the
// milliseconds from the start to the tool's end; false when it could not
// be started. The time stops when the process has ended, not when its pipe
// reports the end (some systems close it well after).
bool RunToolAlone(const std::wstring& commandLine, std::string* output, double* ms);

}  // namespace bench
