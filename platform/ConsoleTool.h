// The command line of one of our console tools (the bridge shim, the
// badging tool) as one text, the way the program writes it.
#pragma once

#include <string>

#ifdef _WIN32
// The raw line after our own path, which may stand unquoted with its blanks
// ("C:\Program Files\..."): the runtime's argv would split it. Standard
// output and error are set to binary, so bytes go out as written.
std::wstring ConsoleToolArguments();
#else
// main's arguments joined with blanks, one that holds a blank quoted whole.
std::wstring ConsoleToolArguments(int argc, char** argv);
#endif
