#include "tools/bridge/FailureReason.h"

#include "bundle/Refusal.h"
#include "platform/Environment.h"
#include "platform/PortListener.h"
#include "platform/Text.h"

std::string AdbServerPort()
{
    const std::string value = WideToUtf8(platform::EnvironmentValue(L"ANDROID_ADB_SERVER_PORT"));
    unsigned long port = 0;
    for (char c : value)
        port = c >= '0' && c <= '9' && port <= 65535 ? port * 10 + static_cast<unsigned long>(c - '0') : 65536;
    return port >= 1 && port <= 65535 ? std::to_string(port) : "5037";
}

// A program's name is cut here, so the line stays within the report's first half.
constexpr size_t kShownProgram = 60;

std::string FailureReasonLine(const std::string& adbOutput)
{
    const std::string port = AdbServerPort();
    Refusal failure = FailureFromAdb(adbOutput, port);
    platform::PortListener listener;
    if (failure.code == RefusalCode::ServerPortUnknown &&
        platform::FindPortListener(static_cast<std::uint16_t>(std::stoul(port)), &listener) && listener.pid != 0) {
        const std::string program = listener.program.empty() ? "?" : listener.program.substr(0, kShownProgram);
        failure = Refusal(RefusalCode::ServerPortHeld,
                          port + kFactSeparator + program + kFactSeparator + std::to_string(listener.pid));
    }
    return failure ? RefusalLine(failure) : std::string();
}
