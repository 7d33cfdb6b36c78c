#include "bundle/ApkFacts.h"

#include <cctype>

#include "resformat/BinaryXml.h"
#include "resformat/ResConfig.h"

namespace {

constexpr std::uint32_t kVersionCode = 0x0101021b;
constexpr std::uint32_t kIsFeatureSplit = 0x0101055b;

std::string Plain(const res::BinaryXml& xml, const res::XmlEvent& e, const char* name)
{
    const int i = res::FindPlainAttribute(e, name);
    if (i < 0 || e.attributes[i].value.type != res::kTypeString)
        return std::string();
    return xml.Strings().At(e.attributes[i].rawIndex);
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsAbi(const std::string& v)
{
    for (const char* abi : {"armeabi", "armeabi_v7a", "arm64_v8a", "x86", "x86_64", "mips", "mips64", "riscv64"})
        if (v == abi)
            return true;
    return false;
}

// "fr", "pt_br", "zh_rcn", "b+sr+latn": a language code first.
bool IsLanguage(const std::string& v)
{
    if (v == "atc")  // a texture format, not a language
        return false;
    if (v.compare(0, 2, "b+") == 0)
        return v.size() > 2;
    size_t letters = 0;
    while (letters < v.size() && std::isalpha(static_cast<unsigned char>(v[letters])))
        ++letters;
    return (letters == 2 || letters == 3) && (letters == v.size() || v[letters] == '_' || v[letters] == '-');
}

}  // namespace

bool ReadApkFacts(const std::string& manifest, ApkFacts* facts)
{
    *facts = ApkFacts();
    res::BinaryXml xml;
    // The root element is all we need; what follows may be damaged.
    xml.Read(manifest);
    if (xml.Events().empty() || !xml.Events()[0].start || xml.Events()[0].name != "manifest")
        return false;
    const res::XmlEvent& root = xml.Events()[0];
    facts->package = Plain(xml, root, "package");
    facts->split = Plain(xml, root, "split");
    facts->configForSplit = Plain(xml, root, "configForSplit");
    int i = res::FindAttribute(root, kVersionCode);
    if (i >= 0 && root.attributes[i].value.type >= res::kTypeFirstInt &&
        root.attributes[i].value.type <= res::kTypeLastInt)
        facts->versionCode = root.attributes[i].value.data;
    i = res::FindAttribute(root, kIsFeatureSplit);
    facts->featureSplit = i >= 0 && root.attributes[i].value.data != 0;
    return !facts->package.empty();
}

int DensityDpi(const std::string& name)
{
    static const struct {
        const char* name;
        int dpi;
    } kDensities[] = {{"ldpi", 120},   {"mdpi", 160},    {"tvdpi", 213},   {"hdpi", 240},
                      {"xhdpi", 320},  {"xxhdpi", 480},  {"xxxhdpi", 640}};
    // aapt names its splits "hdpi_v4"; the version is no part of the density.
    const std::string bare = name.substr(0, name.find('_'));
    for (const auto& d : kDensities)
        if (bare == d.name)
            return d.dpi;
    return 0;
}

bool DensityIsBetter(int a, int b, int requested)
{
    res::ResConfig mine, theirs, request;
    mine.density = static_cast<std::uint16_t>(a);
    theirs.density = static_cast<std::uint16_t>(b);
    request.density = static_cast<std::uint16_t>(requested);
    return mine.IsBetterThan(theirs, request);
}

SplitRole RoleOf(const ApkFacts& facts)
{
    SplitRole role;
    if (facts.split.empty())
        return role;
    const std::string split = Lower(facts.split);
    const std::string marker = "config.";
    size_t at = split.compare(0, marker.size(), marker) == 0 ? 0 : split.find("." + marker);
    if (at == std::string::npos) {
        role.kind = SplitKind::Module;
        role.module = facts.split;
        return role;
    }
    role.module = at == 0 ? std::string() : facts.split.substr(0, at);
    if (!facts.configForSplit.empty())
        role.module = facts.configForSplit;
    role.value = split.substr(at == 0 ? marker.size() : at + 1 + marker.size());
    role.kind = IsAbi(role.value)              ? SplitKind::Abi
                : DensityDpi(role.value) != 0  ? SplitKind::Density
                : IsLanguage(role.value)       ? SplitKind::Language
                                               : SplitKind::OtherConfig;
    return role;
}
