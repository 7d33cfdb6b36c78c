#include "tools/bridge/AdbDevices.h"

#include <algorithm>

#include "platform/Environment.h"
#include "platform/RunToEnd.h"
#include "platform/Text.h"
#include "tools/bridge/AdbWording.h"

namespace {

// A listing of 64 phones is a few kilobytes; a getprop answer one line.
constexpr size_t kListingKept = 64 * 1024;
constexpr size_t kAnswerKept = 4096;

bool IsState(const std::string& word)
{
    for (const char* state : {"device", "unauthorized", "offline", "authorizing", "connecting", "bootloader",
                              "recovery", "rescue", "sideload", "host", "unknown", "no"})
        if (word == state)
            return true;
    return false;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    const size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last + 1 - first);
}

}  // namespace

std::vector<Phone> ParseAdbDevices(const std::string& listing)
{
    std::vector<Phone> phones;
    for (size_t at = 0; at < listing.size() && phones.size() < kMaxPhones;) {
        size_t end = listing.find('\n', at);
        if (end == std::string::npos)
            end = listing.size();
        const std::string line = listing.substr(at, end - at);
        at = end + 1;
        // The words after the serial: the first that is a state ends it.
        for (size_t blank = line.find_first_of(" \t"); blank != std::string::npos;
             blank = line.find_first_of(" \t", blank + 1)) {
            const size_t word = line.find_first_not_of(" \t", blank);
            if (word == std::string::npos)
                break;
            const size_t wordEnd = std::min(line.find_first_of(" \t", word), line.size());
            std::string state = Trimmed(line.substr(word, wordEnd - word));
            if (!IsState(state))
                continue;
            Phone phone;
            phone.serial = Trimmed(line.substr(0, blank));
            phone.state = state == "no" ? "no permissions" : state;
            const size_t model = line.find(" model:", wordEnd);
            if (model != std::string::npos)
                phone.model = Trimmed(line.substr(model + 7, line.find(' ', model + 7) - model - 7));
            if (!phone.serial.empty())
                phones.push_back(phone);
            break;
        }
    }
    return phones;
}

int ReportPhones(const std::wstring& adb, std::string* report)
{
    std::string listing;
    if (!platform::RunToEnd({adb, L"devices", L"-l"}, kListingKept, &listing)) {
        *report = AdbNotStartedReport(WideToUtf8(adb));
        return 1;
    }
    std::vector<Phone> phones = ParseAdbDevices(listing);
    const std::wstring chosen = platform::EnvironmentValue(L"ANDROID_SERIAL");
    for (Phone& phone : phones) {
        std::string answer;
        if (!IsReady(phone))
            continue;
        platform::SetEnvironmentValue(L"ANDROID_SERIAL", Utf8ToWide(phone.serial));
        if (platform::RunToEnd({adb, L"shell", L"getprop", L"ro.build.version.release"}, kAnswerKept, &answer))
            phone.android = Trimmed(answer.substr(0, answer.find('\n')));
        // A phone gone since the listing answers with adb's error: no release.
        if (phone.android.find_first_not_of("0123456789.") != std::string::npos)
            phone.android.clear();
    }
    platform::SetEnvironmentValue(L"ANDROID_SERIAL", chosen);
    *report = FormatPhoneList(phones, kShimOutputLimit);
    return 0;
}
