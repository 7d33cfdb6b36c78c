// A phone's getprop listing and a bundle's split names as anything at all:
// the choice either refuses with a reason or takes the one base first, never
// an APK twice, and at most one ABI and one density split per module.
#include <map>
#include <set>

#include "bundle/SplitChoice.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The listing, a zero byte, then one split name a line ("" a base).
    const std::string input = fuzz::Bytes(data, size);
    const size_t zero = input.find('\0');
    const DeviceProfile device = ParseGetprop(input.substr(0, zero));
    std::vector<ApkFacts> apks;
    for (size_t at = zero == std::string::npos ? input.size() : zero + 1; at < input.size() && apks.size() < 64;) {
        size_t end = input.find('\n', at);
        if (end == std::string::npos)
            end = input.size();
        ApkFacts facts;
        facts.package = "p";
        facts.split = input.substr(at, end - at);
        apks.push_back(facts);
        at = end + 1;
    }
    const SplitChoice choice = ChooseSplits(apks, device);
    FUZZ_CHECK(!choice.refusal != choice.chosen.empty());
    if (choice.chosen.empty())
        return 0;
    FUZZ_CHECK(apks[choice.chosen[0]].split.empty());
    std::set<size_t> seen(choice.chosen.begin(), choice.chosen.end());
    FUZZ_CHECK(seen.size() == choice.chosen.size());
    std::map<std::string, int> abi, density;
    for (size_t i : choice.chosen) {
        const SplitRole role = RoleOf(apks[i]);
        if (role.kind == SplitKind::Abi && !device.abis.empty())
            FUZZ_CHECK(++abi[role.module] == 1);
        if (role.kind == SplitKind::Density && device.density > 0)
            FUZZ_CHECK(++density[role.module] == 1);
    }
    return 0;
}
