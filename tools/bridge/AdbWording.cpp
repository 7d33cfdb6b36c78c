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

bool SaysSeveralDevices(const std::string& t)
{
    return Has(t, "more than one device/emulator") || Has(t, "more than one device and emulator");
}

bool SaysNoDevice(const std::string& t)
{
    return Has(t, "no devices/emulators found") || Has(t, "device unauthorized") || Has(t, "device offline") ||
           Has(t, "device not found") || NamesMissingSerial(t);
}

bool SaysOtherSigner(const std::string& t)
{
    return Has(t, "INSTALL_FAILED_UPDATE_INCOMPATIBLE") || Has(t, "INSTALL_FAILED_SHARED_USER_INCOMPATIBLE") ||
           Has(t, "INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES");
}

bool SaysNotNewer(const std::string& t)
{
    return Has(t, "INSTALL_FAILED_VERSION_DOWNGRADE") || Has(t, "INSTALL_FAILED_DUPLICATE_PACKAGE") ||
           Has(t, "INSTALL_FAILED_ALREADY_EXISTS");
}

// Bracketed codes with a message, and the package manager's own
// out-of-space exceptions.
bool SaysNoRoom(const std::string& t)
{
    return Has(t, "INSTALL_FAILED_INSUFFICIENT_STORAGE") || Has(t, "INSTALL_FAILED_MEDIA_UNAVAILABLE") ||
           HasIgnoringCase(t, "not enough space") || Has(t, "Failed to allocate");
}

bool SaysNoSpaceLeft(const std::string& t) { return Has(t, "No space left on device"); }

bool SaysDexopt(const std::string& t) { return Has(t, "INSTALL_FAILED_DEXOPT"); }

struct Rewording {
    bool (*says)(const std::string&);
    const char* line;
};

// In the order the program's classification tests its patterns.
const Rewording kRewordings[] = {
    {SaysSeveralDevices, "error: more than one device and emulator"},
    {SaysNoDevice, "error: device not found"},
    {SaysOtherSigner, "Failure [INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES]"},
    {SaysNotNewer, "Failure [INSTALL_FAILED_ALREADY_EXISTS]"},
    {SaysNoRoom, "Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE]"},
    {SaysNoSpaceLeft, "error: No space left on device"},
    {SaysDexopt, "Failure [INSTALL_FAILED_DEXOPT]"},
};

// What the program's classification looks for, and the lead of the shim's
// own refusal line, which only the shim may write.
const char* const kGuarded[] = {"Success",
                                "device not found",
                                "more than one device and emulator",
                                "INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES",
                                "INSTALL_FAILED_ALREADY_EXISTS",
                                "[INSTALL_FAILED_INSUFFICIENT_STORAGE]",
                                "No space left on device",
                                "[INSTALL_FAILED_DEXOPT]",
                                "korvel_helper: refused",
                                "korvel_helper: failed"};

// U+200B ZERO WIDTH SPACE: unseen where the text is shown, and no pattern
// holds it.
const char kBreak[] = "\xE2\x80\x8B";

}  // namespace

bool AdbSucceeded(const std::string& adbOutput)
{
    for (size_t at = 0; at < adbOutput.size();) {
        size_t end = adbOutput.find('\n', at);
        if (end == std::string::npos)
            end = adbOutput.size();
        size_t last = end;
        while (last > at && (adbOutput[last - 1] == '\r' || adbOutput[last - 1] == ' ' || adbOutput[last - 1] == '\t'))
            --last;
        size_t first = at;
        while (first < last && (adbOutput[first] == ' ' || adbOutput[first] == '\t'))
            ++first;
        if (adbOutput.compare(first, last - first, "Success") == 0)
            return true;
        at = end + 1;
    }
    return false;
}

std::string ResultLine(const std::string& adbOutput)
{
    if (AdbSucceeded(adbOutput))
        return "Success";
    for (const Rewording& r : kRewordings)
        if (r.says(adbOutput))
            return r.line;
    return std::string();
}

std::string Defanged(const std::string& text)
{
    std::string out = text;
    for (const char* pattern : kGuarded) {
        const std::string p = pattern;
        for (size_t at = out.find(p); at != std::string::npos; at = out.find(p, at + 1))
            out.insert(at + 1, kBreak);
    }
    return out;
}

// The phone's or adb's own refusal line, for a failure the program has no
// pattern for: support reads it first.
std::string FailureLine(const std::string& output)
{
    for (const char* mark : {"Failure [", "Error:", "Exception", "adb: "}) {
        const size_t at = output.find(mark);
        if (at != std::string::npos) {
            const size_t start = output.rfind('\n', at);
            const size_t from = start == std::string::npos ? 0 : start + 1;
            return output.substr(from, output.find('\n', at) - from);
        }
    }
    return std::string();
}

std::string AdbReport(const std::string& adbOutput, const std::string& failureLine)
{
    const std::string line = ResultLine(adbOutput);
    const std::string first = line.empty() ? Defanged(FailureLine(adbOutput)) : line;
    // Both lines stay whole within the report's first half.
    return BoundedReport(failureLine.empty() ? first : first.substr(0, kShimOutputLimit / 5) + "\n" + failureLine,
                         adbOutput);
}

std::string BoundedReport(const std::string& first, const std::string& outsideText)
{
    const std::string adbOutput = Defanged(outsideText);
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
    return BoundedReport("error: device not found", "korvel_helper: adb at " + adbPath + " could not be started\n");
}
