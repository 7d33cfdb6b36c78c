#include "bundle/DeviceProfile.h"

#include <cctype>
#include <map>

namespace {

// A getprop listing of any size gives at most this many properties: a real
// phone has about a thousand.
constexpr std::size_t kMaxProperties = 8192;

std::map<std::string, std::string> Properties(const std::string& listing)
{
    std::map<std::string, std::string> props;
    size_t at = 0;
    while (at < listing.size() && props.size() < kMaxProperties) {
        size_t end = listing.find('\n', at);
        if (end == std::string::npos)
            end = listing.size();
        const std::string line = listing.substr(at, end - at);
        at = end + 1;
        const size_t nameEnd = line.find("]: [");
        if (line.size() < 6 || line[0] != '[' || nameEnd == std::string::npos)
            continue;
        const size_t valueEnd = line.rfind(']');
        if (valueEnd < nameEnd + 4)
            continue;
        props[line.substr(1, nameEnd - 1)] = line.substr(nameEnd + 4, valueEnd - nameEnd - 4);
    }
    return props;
}

int Number(const std::string& text)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoi(text);
}

}  // namespace

DeviceProfile ParseGetprop(const std::string& listing)
{
    const std::map<std::string, std::string> props = Properties(listing);
    auto get = [&](const char* name) {
        auto it = props.find(name);
        return it == props.end() ? std::string() : it->second;
    };
    DeviceProfile device;
    std::string abis = get("ro.product.cpu.abilist");
    if (abis.empty())
        abis = get("ro.product.cpu.abi") + "," + get("ro.product.cpu.abi2");
    for (size_t at = 0; at <= abis.size();) {
        size_t comma = abis.find(',', at);
        if (comma == std::string::npos)
            comma = abis.size();
        std::string abi = abis.substr(at, comma - at);
        for (char& c : abi)
            c = c == '-' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!abi.empty())
            device.abis.push_back(abi);
        at = comma + 1;
    }
    // An emulator's own density overrides the configured one.
    device.density = Number(get("qemu.sf.lcd_density"));
    if (device.density == 0)
        device.density = Number(get("ro.sf.lcd_density"));
    std::string locale = get("persist.sys.locale");
    if (locale.empty())
        locale = get("ro.product.locale");
    if (locale.empty())
        locale = get("ro.product.locale.language");
    for (char c : locale) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            break;
        device.language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    device.sdk = Number(get("ro.build.version.sdk"));
    return device;
}
