#include "device/InstallTarget.h"

#include "platform/Text.h"

bool IsReady(const Phone& phone)
{
    return phone.state == "device";
}

std::vector<Phone> ListPhones(const std::wstring& bridgeTool, StopFlag* stop)
{
    // The tool's path unquoted, as the install lines are written.
    return ParsePhoneList(WideToUtf8(RunUntilExit(bridgeTool + L" devices", stop)));
}

std::vector<ToolVariable> PhoneVariables(const Phone& phone)
{
    return {{L"ANDROID_SERIAL", Utf8ToWide(phone.serial)}};
}
