#include "tools/badging/Badging.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

#include "resformat/BinaryXml.h"
#include "resformat/ResourceTable.h"

namespace {

using res::ResConfig;
using res::Value;
using res::XmlEvent;

enum AttrId : std::uint32_t {
    kLabel = 0x01010001,
    kIcon = 0x01010002,
    kName = 0x01010003,
    kMinSdk = 0x0101020c,
    kVersionCode = 0x0101021b,
    kVersionName = 0x0101021c,
    kTargetSdk = 0x01010270,
    kMaxSdk = 0x01010271,
    kRequired = 0x0101028e,
    kCompileSdk = 0x01010572,
    kCompileSdkCodename = 0x01010573,
};

// aapt's escaping of every quoted value it prints.
std::string Normalized(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '"')
            out += "\\\"";
        else
            out += c;
    }
    return out;
}

bool IsInt(const Value& v) { return v.type >= res::kTypeFirstInt && v.type <= res::kTypeLastInt; }

class ManifestReader {
public:
    ManifestReader(const res::BinaryXml& xml, const res::ResourceTable& table, const PackageFiles& files)
        : xml_(xml), table_(table), files_(files), base_(ResConfig::BadgingRequest())
    {
        const bool hasTable = files.tableFound;
        if (!hasTable)
            return;
        std::set<std::string> locales;
        for (const ResConfig& c : table.Configs()) {
            locales.insert(c.Bcp47());
            densities_.insert(c.density ? c.density : ResConfig::kDensityMedium);
        }
        locales_.assign(locales.begin(), locales.end());
    }

    BadgingReport Run();

private:
    // The attribute's text as written; empty unless it is a string value
    // (aapt's rule: platformBuildVersionCode="29" is compiled as a number).
    std::string Plain(const XmlEvent& e, int index) const
    {
        if (index < 0 || e.attributes[index].value.type != res::kTypeString)
            return std::string();
        return xml_.Strings().At(e.attributes[index].rawIndex);
    }
    // An integer attribute, `fallback` when absent or not an integer.
    int Integer(const XmlEvent& e, std::uint32_t id, int fallback) const
    {
        const int i = res::FindAttribute(e, id);
        return i >= 0 && IsInt(e.attributes[i].value) ? static_cast<int>(e.attributes[i].value.data) : fallback;
    }
    // A string attribute with references followed in `config`; the last
    // reference followed goes to *reference.
    std::string Resolved(const XmlEvent& e, std::uint32_t id, const ResConfig& config,
                         std::uint32_t* reference = nullptr) const
    {
        const int i = res::FindAttribute(e, id);
        if (i < 0)
            return std::string();
        Value v = e.attributes[i].value;
        if (v.type == res::kTypeString)
            return Plain(e, i);
        for (int step = 0; step < 20 && v.type == res::kTypeReference; ++step) {
            if (reference)
                *reference = v.data;
            Value next;
            if (!table_.Lookup(v.data, config, &next))
                break;
            v = next;
        }
        return table_.String(v);
    }
    std::string PngInsteadOfXml(std::uint32_t reference, const std::string& icon) const;
    std::string BundleIcon(std::uint32_t reference) const;

    void Package(const XmlEvent& e);
    void UsesSdk(const XmlEvent& e);
    void UsesPermission(const XmlEvent& e, bool sdk23);
    void Application(const XmlEvent& e);
    void ImpliedPermissions();
    void Permission(const std::string& name, bool optional, int maxSdk);

    const res::BinaryXml& xml_;
    const res::ResourceTable& table_;
    const PackageFiles& files_;
    const ResConfig base_;
    std::vector<std::string> locales_;
    std::set<int> densities_;
    std::string out_;
    int targetSdk_ = 0;
    std::set<std::string> requested_;
    int writeStorageMaxSdk_ = -1;
};

void ManifestReader::Package(const XmlEvent& e)
{
    out_ += "package: name='" + Normalized(Plain(e, res::FindPlainAttribute(e, "package"))) + "' ";
    const int versionCode = Integer(e, kVersionCode, -1);
    out_ += versionCode > 0 ? "versionCode='" + std::to_string(versionCode) + "' " : "versionCode='' ";
    out_ += "versionName='" + Normalized(Resolved(e, kVersionName, base_)) + "'";
    const std::string split = Plain(e, res::FindPlainAttribute(e, "split"));
    if (!split.empty())
        out_ += " split='" + Normalized(split) + "'";
    for (const char* name : {"platformBuildVersionName", "platformBuildVersionCode"}) {
        const std::string value = Plain(e, res::FindPlainAttribute(e, name));
        if (!value.empty())
            out_ += std::string(" ") + name + "='" + value + "'";
    }
    const int compileSdk = Integer(e, kCompileSdk, -1);
    if (compileSdk > 0)
        out_ += " compileSdkVersion='" + std::to_string(compileSdk) + "'";
    const std::string codename = Resolved(e, kCompileSdkCodename, base_);
    if (!codename.empty())
        out_ += " compileSdkVersionCodename='" + Normalized(codename) + "'";
    out_ += "\n";
}

void ManifestReader::UsesSdk(const XmlEvent& e)
{
    // A codename ("Donut", "L") is printed as written; a number as a number.
    auto level = [&](std::uint32_t id, const char* key, bool target) {
        const int i = res::FindAttribute(e, id);
        if (i < 0)
            return;
        const Value& v = e.attributes[i].value;
        if (IsInt(v)) {
            const int code = static_cast<int>(v.data);
            if (code == -1)
                return;
            targetSdk_ = target ? std::max(targetSdk_, code) : code;
            out_ += std::string(key) + ":'" + std::to_string(code) + "'\n";
        } else {
            const std::string name = Resolved(e, id, base_);
            if (name == "Donut" && (!target || targetSdk_ < 4))
                targetSdk_ = 4;
            out_ += std::string(key) + ":'" + Normalized(name) + "'\n";
        }
    };
    level(kMinSdk, "sdkVersion", false);
    const int maxSdk = Integer(e, kMaxSdk, -1);
    if (maxSdk != -1)
        out_ += "maxSdkVersion:'" + std::to_string(maxSdk) + "'\n";
    level(kTargetSdk, "targetSdkVersion", true);
}

void ManifestReader::Permission(const std::string& name, bool optional, int maxSdk)
{
    const std::string max = maxSdk != -1 ? " maxSdkVersion='" + std::to_string(maxSdk) + "'" : std::string();
    out_ += "uses-permission: name='" + Normalized(name) + "'" + max + "\n";
    if (optional)
        out_ += "optional-permission: name='" + Normalized(name) + "'" + max + "\n";
}

void ManifestReader::UsesPermission(const XmlEvent& e, bool sdk23)
{
    const std::string name = Plain(e, res::FindAttribute(e, kName));
    if (name.empty())
        return;
    const int maxSdk = Integer(e, kMaxSdk, -1);
    if (sdk23) {
        out_ += "uses-permission-sdk-23: name='" + Normalized(name) + "'" +
                (maxSdk != -1 ? " maxSdkVersion='" + std::to_string(maxSdk) + "'" : std::string()) + "\n";
        return;
    }
    requested_.insert(name);
    if (name == "android.permission.WRITE_EXTERNAL_STORAGE")
        writeStorageMaxSdk_ = maxSdk;
    Permission(name, Integer(e, kRequired, 1) == 0, maxSdk);
}

std::string ManifestReader::PngInsteadOfXml(std::uint32_t reference, const std::string& icon) const
{
    auto endsWith = [](const std::string& s, const char* tail) {
        const std::string t(tail);
        if (s.size() < t.size())
            return false;
        return std::equal(t.begin(), t.end(), s.end() - t.size(),
                          [](char a, char b) { return std::tolower(static_cast<unsigned char>(b)) == a; });
    };
    if (!endsWith(icon, ".xml") || reference == 0)
        return icon;
    std::string best = icon;
    int bestDensity = -1;
    for (const auto& variant : table_.Variants(reference)) {
        const std::string& path = table_.String(variant.second);
        const int density = variant.first.density ? variant.first.density : ResConfig::kDensityMedium;
        if (endsWith(path, ".png") && density != ResConfig::kDensityAny && density > bestDensity) {
            best = path;
            bestDensity = density;
        }
    }
    return best;
}

std::string ManifestReader::BundleIcon(std::uint32_t reference) const
{
    std::string best;
    int bestDensity = -1;
    for (const auto& split : files_.densityTables) {
        res::ResourceTable table;
        if (reference == 0 || !table.Read(split.second))
            continue;
        for (const auto& variant : table.Variants(reference)) {
            const std::string& path = table.String(variant.second);
            const int density = variant.first.density ? variant.first.density : ResConfig::kDensityMedium;
            if (!path.empty() && density != ResConfig::kDensityAny && density > bestDensity) {
                best = split.first + "!/" + path;
                bestDensity = density;
            }
        }
    }
    if (best.empty() && files_.bundleIcon)
        best = "icon.png";
    return best;
}

void ManifestReader::Application(const XmlEvent& e)
{
    std::string label;
    for (const std::string& locale : locales_) {
        ResConfig config = base_;
        config.SetLocale(locale);
        const std::string text = Resolved(e, kLabel, config);
        if (text.empty())
            continue;
        if (locale.empty()) {
            label = text;
            out_ += "application-label:'" + Normalized(text) + "'\n";
        } else {
            if (label.empty())
                label = text;
            out_ += "application-label-" + locale + ":'" + Normalized(text) + "'\n";
        }
    }
    std::uint32_t reference = 0;
    const std::string resolved = Resolved(e, kIcon, base_, &reference);
    std::string icon = PngInsteadOfXml(reference, resolved);
    if (!icon.empty() && !files_.baseEntry.empty())
        icon = files_.baseEntry + "!/" + icon;
    if (icon.empty())
        icon = BundleIcon(reference);
    out_ += "application: label='" + Normalized(label) + "' icon='" + Normalized(icon) + "'\n";
}

void ManifestReader::ImpliedPermissions()
{
    auto implied = [&](const char* name, const char* reason, int maxSdk = -1) {
        Permission(name, false, maxSdk);
        out_ += std::string("uses-implied-permission: name='") + name + "'" +
                (maxSdk != -1 ? " maxSdkVersion='" + std::to_string(maxSdk) + "'" : std::string()) + " reason='" +
                reason + "'\n";
        requested_.insert(name);
    };
    const std::string p = "android.permission.";
    auto has = [&](const char* name) { return requested_.count(p + name) > 0; };
    // Permissions the platform grants old apps on its own.
    if (targetSdk_ < 4) {
        if (!has("WRITE_EXTERNAL_STORAGE"))
            implied("android.permission.WRITE_EXTERNAL_STORAGE", "targetSdkVersion < 4");
        if (!has("READ_PHONE_STATE"))
            implied("android.permission.READ_PHONE_STATE", "targetSdkVersion < 4");
    }
    if (!has("READ_EXTERNAL_STORAGE") && has("WRITE_EXTERNAL_STORAGE"))
        implied("android.permission.READ_EXTERNAL_STORAGE", "requested WRITE_EXTERNAL_STORAGE", writeStorageMaxSdk_);
    if (targetSdk_ < 16) {
        if (!has("READ_CALL_LOG") && has("READ_CONTACTS"))
            implied("android.permission.READ_CALL_LOG", "targetSdkVersion < 16 and requested READ_CONTACTS");
        if (!has("WRITE_CALL_LOG") && has("WRITE_CONTACTS"))
            implied("android.permission.WRITE_CALL_LOG", "targetSdkVersion < 16 and requested WRITE_CONTACTS");
    }
}

BadgingReport ManifestReader::Run()
{
    BadgingReport report;
    int depth = 0;
    for (const XmlEvent& e : xml_.Events()) {
        if (!e.start) {
            --depth;
            continue;
        }
        ++depth;
        if (depth == 1) {
            if (e.name != "manifest") {
                report.err = "ERROR: manifest does not start with <manifest> tag\n";
                report.status = 1;
                report.out = out_;
                return report;
            }
            Package(e);
        } else if (depth == 2) {
            if (e.name == "application")
                Application(e);
            else if (e.name == "uses-sdk")
                UsesSdk(e);
            else if (e.name == "uses-permission")
                UsesPermission(e, false);
            else if (e.name == "uses-permission-sdk-23" || e.name == "uses-permission-sdk-m")
                UsesPermission(e, true);
        }
    }
    ImpliedPermissions();
    report.out = out_;
    return report;
}

BadgingReport Failure(const char* why)
{
    BadgingReport report;
    report.err = std::string("ERROR: dump failed because ") + why + "\n";
    report.status = 1;
    return report;
}

PackageFiles WithoutRefusal(PackageFiles files)
{
    files.bundleRefusal = Refusal();
    return files;
}

}  // namespace

BadgingReport DumpBadging(const PackageFiles& files)
{
    if (!files.opened)
        return Failure("assets could not be loaded");
    if (files.bundleRefusal) {
        BadgingReport report = files.manifestFound ? DumpBadging(WithoutRefusal(files))
                                                   : Failure("the bundle cannot be installed");
        report.err += RefusalLine(files.bundleRefusal) + "\n";
        return report;
    }
    res::ResourceTable table;
    if (files.tableFound && !table.Read(files.table))
        return Failure("the resource table is invalid/corrupt.");
    if (!files.manifestFound)
        return Failure("no AndroidManifest.xml found");
    res::BinaryXml xml;
    if (!xml.Read(files.manifest)) {
        BadgingReport report;
        report.err = "ERROR: AndroidManifest.xml is corrupt\n";
        report.status = 1;
        return report;
    }
    return ManifestReader(xml, table, files).Run();
}
