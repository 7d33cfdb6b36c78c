#include "bundle/SplitChoice.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

std::string LanguageOf(const std::string& value)
{
    return value.substr(0, value.find_first_of("_-"));
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

std::string BaseRefusal(const std::vector<ApkFacts>& apks)
{
    const auto bases = std::count_if(apks.begin(), apks.end(), [](const ApkFacts& a) { return a.split.empty(); });
    if (bases == 1)
        return std::string();
    return bases == 0 ? "the bundle holds no base APK (every APK in it is a split)"
                      : "the bundle holds " + std::to_string(bases) + " base APKs; the phone takes one";
}

SplitChoice ChooseSplits(const std::vector<ApkFacts>& apks, const DeviceProfile& device)
{
    SplitChoice choice;
    choice.refusal = BaseRefusal(apks);
    if (!choice.refusal.empty())
        return choice;
    std::vector<SplitRole> roles;
    std::size_t baseIndex = 0;
    for (std::size_t i = 0; i < apks.size(); ++i) {
        roles.push_back(RoleOf(apks[i]));
        if (roles.back().kind == SplitKind::Base)
            baseIndex = i;
    }
    const ApkFacts& base = apks[baseIndex];
    std::set<std::string> modules{""};
    for (std::size_t i = 0; i < apks.size(); ++i) {
        if (apks[i].package != base.package) {
            choice.refusal = "the split " + apks[i].split + " belongs to " + apks[i].package + ", not to " +
                             base.package;
            return choice;
        }
        if (roles[i].kind == SplitKind::Module)
            modules.insert(roles[i].module);
    }

    choice.chosen.push_back(baseIndex);
    for (std::size_t i = 0; i < apks.size(); ++i)
        if (roles[i].kind == SplitKind::Module)
            choice.chosen.push_back(i);
    for (const std::string& module : modules) {
        std::vector<std::size_t> abi, density, language;
        for (std::size_t i = 0; i < apks.size(); ++i) {
            if (roles[i].module != module)
                continue;
            switch (roles[i].kind) {
            case SplitKind::Abi: abi.push_back(i); break;
            case SplitKind::Density: density.push_back(i); break;
            case SplitKind::Language: language.push_back(i); break;
            case SplitKind::OtherConfig: choice.chosen.push_back(i); break;
            default: break;
            }
        }
        if (!abi.empty() && !device.abis.empty()) {
            auto found = abi.end();
            for (const std::string& wanted : device.abis) {
                found = std::find_if(abi.begin(), abi.end(), [&](std::size_t i) { return roles[i].value == wanted; });
                if (found != abi.end())
                    break;
            }
            if (found == abi.end()) {
                std::vector<std::string> offered;
                for (std::size_t i : abi)
                    offered.push_back(roles[i].value);
                choice.refusal = "no split of " + (module.empty() ? std::string("the app") : module) +
                                 " is for this phone's processors (" + Joined(device.abis) + "); the bundle has " +
                                 Joined(offered);
                choice.chosen.clear();
                return choice;
            }
            const std::size_t chosen = *found;
            abi = {chosen};
        }
        if (!density.empty() && device.density > 0) {
            std::size_t best = density[0];
            for (std::size_t i : density) {
                const int d = DensityDpi(roles[i].value), b = DensityDpi(roles[best].value);
                const int dd = std::abs(d - device.density), bd = std::abs(b - device.density);
                // On a tie the sharper one: scaling down looks better than up.
                if (dd < bd || (dd == bd && d > b))
                    best = i;
            }
            density = {best};
        }
        if (!language.empty() && !device.language.empty()) {
            std::vector<std::size_t> kept;
            for (std::size_t i : language) {
                const std::string l = LanguageOf(roles[i].value);
                if (l == device.language || l == "en")
                    kept.push_back(i);
            }
            language = kept;
        }
        for (const auto* group : {&abi, &density, &language})
            choice.chosen.insert(choice.chosen.end(), group->begin(), group->end());
    }

    std::set<std::string> names;
    for (std::size_t i : choice.chosen) {
        if (!names.insert(apks[i].split).second) {
            choice.refusal = "the bundle holds the split " + apks[i].split + " twice";
            choice.chosen.clear();
            return choice;
        }
    }
    return choice;
}
