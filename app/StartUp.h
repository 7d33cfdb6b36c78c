// The program's start: crash dumps, the single instance, the toolkit's
// resources, then the main window until it closes.
#pragma once

#include <windows.h>

#include <string>

// The whole program for a command line (without the program's own path);
// the process exit code, always 0.
int RunProgram(HINSTANCE instance, const std::wstring& commandLine);

// The toolkit set-up a first instance makes before any window: the
// control factory, strings, default font, skins and styles.
void PrepareToolkit();
