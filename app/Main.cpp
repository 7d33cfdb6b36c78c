// KorvelTarvo: installs the Android package named on the command line.
#include <windows.h>

#include "app/StartUp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    return RunProgram(instance, commandLine ? commandLine : L"");
}
