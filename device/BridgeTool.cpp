#include "device/BridgeTool.h"

#include "platform/Diagnostics.h"
#include "platform/Files.h"

std::wstring GetBridgeToolPath()
{
    return GetModuleDirectory() + platform::kPathSeparator + L"korvel_helper" + platform::kExeSuffix;
}

std::wstring GetTempFolder()
{
    std::wstring folder;
    if (!platform::TempFolder(&folder)) {
        WriteDiagnostic(L"生成临时目录失败");
        // Empty: every later copy into it fails and reads as no device.
        return std::wstring();
    }
    return folder;
}
