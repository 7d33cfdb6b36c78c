#include "bundle/SplitChoice.h"

#include "bundle/Bundle.h"

#include <algorithm>
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

int FindBase(const std::vector<ApkFacts>& apks, Refusal* refusal)
{
    int base = -1;
    for (std::size_t i = 0; i < apks.size(); ++i) {
        if (!apks[i].split.empty())
            continue;
        if (base >= 0) {
            *refusal = Refusal(RefusalCode::SeveralBases);
            return -1;
        }
        base = static_cast<int>(i);
    }
    if (base < 0)
        *refusal = Refusal(RefusalCode::NoBase);
    return base;
}

SplitChoice ChooseSplits(const Bundle& bundle, const DeviceProfile& device)
{
    SplitChoice choice;
    if (bundle.refusal) {
        choice.refusal = bundle.refusal;
        return choice;
    }
    choice = ChooseSplits(FactsOf(bundle), device);
    for (std::size_t i : choice.chosen) {
        const BundleApk& apk = bundle.apks[i];
        if (apk.state != ApkState::Read) {
            choice.refusal = Refusal(apk.state == ApkState::Missing ? RefusalCode::MissingFile
                                                                    : RefusalCode::DamagedFile,
                                     apk.entry.name);
            choice.chosen.clear();
            break;
        }
    }
    return choice;
}

SplitChoice ChooseSplits(const std::vector<ApkFacts>& apks, const DeviceProfile& device)
{
    SplitChoice choice;
    const int found = FindBase(apks, &choice.refusal);
    if (found < 0)
        return choice;
    const std::size_t baseIndex = static_cast<std::size_t>(found);
    std::vector<SplitRole> roles;
    for (const ApkFacts& apk : apks)
        roles.push_back(RoleOf(apk));
    const ApkFacts& base = apks[baseIndex];
    std::set<std::string> modules{""};
    for (std::size_t i = 0; i < apks.size(); ++i) {
        // Facts from a listing carry no package; the manifests' do.
        if (!apks[i].package.empty() && !base.package.empty() && apks[i].package != base.package) {
            choice.refusal = Refusal(RefusalCode::ForeignSplit, apks[i].package);
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
                choice.refusal = Refusal(RefusalCode::NoAbi, Joined(device.abis));
                choice.chosen.clear();
                return choice;
            }
            const std::size_t chosen = *found;
            abi = {chosen};
        }
        if (!density.empty() && device.density > 0) {
            std::size_t best = density[0];
            for (std::size_t i : density)
                if (DensityIsBetter(DensityDpi(roles[i].value), DensityDpi(roles[best].value), device.density))
                    best = i;
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
            choice.refusal = Refusal(RefusalCode::DuplicateSplit, apks[i].split);
            choice.chosen.clear();
            return choice;
        }
    }
    return choice;
}
