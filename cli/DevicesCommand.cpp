// tarvo-cli devices: the phones the bridge tool sees, one a line (serial,
// model, state, Android release, tab-separated), or with --json as an array.
#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "device/BridgeTool.h"
#include "device/InstallTarget.h"
#include "platform/Text.h"

int RunDevices(const Args& args)
{
    bool json = false;
    std::wstring bridge = GetBridgeToolPath();
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--json" && !json) {
            json = true;
        } else if (args[i] == L"--bridge" && i + 1 < args.size() && !args[i + 1].empty()) {
            bridge = args[++i];
        } else {
            std::fputs(kUsage, stderr);
            return kExitUsage;
        }
    }
    const std::vector<Phone> phones = ListPhones(bridge, nullptr);
    if (json) {
        nlohmann::json list = nlohmann::json::array();
        for (const Phone& p : phones)
            list.push_back({{"serial", p.serial}, {"model", p.model}, {"state", p.state}, {"android", p.android}});
        // Bytes from a phone need not be UTF-8: replaced, never thrown on.
        PrintOut(list.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
    } else {
        for (const Phone& p : phones)
            PrintOut(p.serial + "\t" + p.model + "\t" + p.state + "\t" + p.android + "\n");
    }
    return 0;
}
