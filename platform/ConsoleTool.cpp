#include "platform/ConsoleTool.h"

#include "platform/CommandLine.h"
#include "platform/Files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

std::wstring ConsoleToolArguments()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return ArgumentsAfterProgram(GetCommandLineW(), GetModulePath());
}
#else
std::wstring ConsoleToolArguments(int argc, char** argv)
{
    std::wstring line;
    for (const std::wstring& a : WideArguments(argc, argv))
        line += L" " + (a.find_first_of(L" \t") != std::wstring::npos ? L"\"" + a + L"\"" : a);
    return line;
}
#endif
