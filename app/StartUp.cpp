#include "app/StartUp.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/CrashDump.h"
#include "app/MainDlg.h"
#include "app/SingleInstance.h"
#include "app/StartupTrace.h"
#include "app/StripQuotes.h"
#include "app/TarvoCtrlFactory.h"
#include "device/InstallWorker.h"
#include "platform/Diagnostics.h"
#include "platform/Environment.h"
#include "toolkit/BkFontPool.h"
#include "toolkit/ElementFactory.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/skins/BkPngPool.h"

void PrepareToolkit()
{
    // Lives to the end of the process: layouts are loaded through it.
    static TarvoCtrlFactory factory;
    ControlsFactory::Register(&factory);
    LoadStrings(102);
    MarkStartup(L"strings");
    BkFontPool::Instance().SetDefaultFont(L"微软雅黑", -12);
    MarkStartup(L"font");
    BkPngPool::Instance();
    MarkStartup(L"gdiplus");
    LoadSkins(100);
    MarkStartup(L"skins");
    LoadStyles(101);
    MarkStartup(L"styles");
}

int RunProgram(HINSTANCE, const std::wstring& commandLine)
{
    InstallCrashDumpFilter();
    // A diagnostics file on request (support, end-to-end tests); a window
    // program has no console for them otherwise.
    const std::wstring diagnostics = platform::EnvironmentValue(L"TARVO_DIAGNOSTICS");
    BeginStartupTrace(!diagnostics.empty() && SetDiagnosticFile(diagnostics));
    if (!CreateInstanceMarker()) {
        HandOverCommandLine(commandLine, kHandOverTimeoutMs);
        return 0;
    }
    MarkStartup(L"marker");
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_BAR_CLASSES;
    InitCommonControlsEx(&icc);
    MarkStartup(L"com");

    PrepareToolkit();
    int result = static_cast<int>(GetMainWindow(StripQuotes(commandLine)).Run());
    // A worker still inside the install engine would meet the window's
    // static objects being destroyed at exit: end here, the worker with us.
    if (LiveInstallWorkers() > 0)
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    CoUninitialize();
    return result;
}
