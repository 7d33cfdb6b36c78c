#include "tools/bridge/AdbWording.h"

#include <algorithm>
#include <cctype>

namespace {

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool HasIgnoringCase(const std::string& text, const std::string& part)
{
    auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

// adb's "device 'SERIAL' not found", on one line.
bool NamesMissingSerial(const std::string& text)
{
    for (size_t at = text.find("device '"); at != std::string::npos; at = text.find("device '", at + 1)) {
        size_t close = text.find('\'', at + 8);
        size_t eol = text.find('\n', at);
        if (close != std::string::npos && (eol == std::string::npos || close < eol) &&
            text.compare(close, 11, "' not found") == 0)
            return true;
    }
    return false;
}

bool SaysSeveralDevices(const std::string& t) { return Has(t, "more than one device/emulator"); }

bool SaysNoDevice(const std::string& t)
{
    return Has(t, "no devices/emulators found") || Has(t, "device unauthorized") || Has(t, "device offline") ||
           NamesMissingSerial(t);
}

bool SaysOtherSigner(const std::string& t)
{
    return Has(t, "INSTALL_FAILED_UPDATE_INCOMPATIBLE") || Has(t, "INSTALL_FAILED_SHARED_USER_INCOMPATIBLE");
}

bool SaysNotNewer(const std::string& t)
{
    return Has(t, "INSTALL_FAILED_VERSION_DOWNGRADE") || Has(t, "INSTALL_FAILED_DUPLICATE_PACKAGE");
}

// Bracketed codes with a message, and the package manager's own
// out-of-space exceptions.
bool SaysNoRoom(const std::string& t)
{
    return Has(t, "INSTALL_FAILED_INSUFFICIENT_STORAGE") || Has(t, "INSTALL_FAILED_MEDIA_UNAVAILABLE") ||
           HasIgnoringCase(t, "not enough space") || Has(t, "Failed to allocate");
}

bool SaysDexopt(const std::string& t) { return Has(t, "INSTALL_FAILED_DEXOPT"); }

struct Rewording {
    bool (*says)(const std::string&);
    const char* already;  // the program's own pattern: nothing to add when present
    const char* line;
};

// In the order the program's classification tests its patterns.
const Rewording kRewordings[] = {
    {SaysSeveralDevices, "more than one device and emulator", "error: more than one device and emulator"},
    {SaysNoDevice, "device not found", "error: device not found"},
    {SaysOtherSigner, "INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES",
     "Failure [INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES]"},
    {SaysNotNewer, "INSTALL_FAILED_ALREADY_EXISTS", "Failure [INSTALL_FAILED_ALREADY_EXISTS]"},
    {SaysNoRoom, "[INSTALL_FAILED_INSUFFICIENT_STORAGE]", "Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE]"},
    {SaysDexopt, "[INSTALL_FAILED_DEXOPT]", "Failure [INSTALL_FAILED_DEXOPT]"},
};

}  // namespace

std::string SystemWordingLine(const std::string& adbOutput)
{
    if (Has(adbOutput, "Success"))
        return std::string();
    for (const Rewording& r : kRewordings)
        if (r.says(adbOutput))
            return Has(adbOutput, r.already) ? std::string() : r.line;
    return std::string();
}

std::string BoundedReport(const std::string& first, const std::string& adbOutput)
{
    std::string report = first.empty() ? std::string() : first.substr(0, kShimOutputLimit / 2) + "\n";
    const size_t room = kShimOutputLimit - report.size();
    if (adbOutput.size() <= room)
        return report + adbOutput;
    const char kCut[] = "...\n";
    size_t from = adbOutput.size() - (room - (sizeof kCut - 1));
    // Never start inside a UTF-8 sequence: the program decodes the chunk alone.
    while (from < adbOutput.size() && (static_cast<unsigned char>(adbOutput[from]) & 0xC0) == 0x80)
        ++from;
    return report + kCut + adbOutput.substr(from);
}

std::string AdbNotStartedReport(const std::string& adbPath)
{
    return "error: device not found\nkorvel_helper: adb at " + adbPath + " could not be started\n";
}
