// Stands in for the inspection tool beside an installed program: appends its
// own command line to "aapt-probe.txt" beside itself and prints nothing. A
// test started through the shell learns from it which package path reached
// the program.
#include <windows.h>

#include <string>

#include "platform/Files.h"
#include "platform/ScopedWin.h"
#include "platform/Text.h"

int wmain()
{
    std::wstring record = GetModuleDirectory() + L"\\aapt-probe.txt";
    std::string line = WideToUtf8(GetCommandLineW()) + "\n";
    ScopedHandle file(CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return 3;
    // One write, so a reader sees either no line or the whole one.
    DWORD written = 0;
    if (!WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr))
        return 3;
    return 1;
}
