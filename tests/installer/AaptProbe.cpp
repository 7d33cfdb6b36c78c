// Stands in for the inspection tool beside an installed program: appends its
// own command line to "aapt-probe.txt" beside itself and prints nothing. A
// test started through the shell learns from it which package path reached
// the program.
#include <windows.h>

#include <string>

#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

int wmain()
{
    std::wstring record = GetModuleDirectory() + L"\\aapt-probe.txt";
    // The line ends last, so a reader that sees the line feed has the whole line.
    if (!platform::AppendFileBytes(record, WideToUtf8(GetCommandLineW()) + "\n"))
        return 3;
    return 1;
}
