#include "bundle/BundleManifest.h"

#include <cctype>

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

// A JSON object, or a discarded value; never throws.
Json ParseObject(const std::string& text)
{
    if (text.size() > kMaxBundleJsonBytes)
        return Json(Json::value_t::discarded);
    Json json = Json::parse(text, nullptr, false);
    return json.is_object() ? json : Json(Json::value_t::discarded);
}

std::string Text(const Json& object, const char* key)
{
    auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// A whole number written either way: 42 or "42".
std::int64_t Number(const Json& object, const char* key)
{
    auto it = object.find(key);
    if (it == object.end())
        return -1;
    if (it->is_number_integer())
        return it->get<std::int64_t>();
    if (!it->is_string())
        return -1;
    const std::string& s = it->get_ref<const std::string&>();
    if (s.empty() || s.size() > 18 || s.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoll(s);
}

}  // namespace

bool ParseXapkManifest(const std::string& text, XapkManifest* manifest)
{
    *manifest = XapkManifest();
    const Json json = ParseObject(text);
    if (json.is_discarded())
        return false;
    manifest->packageName = Text(json, "package_name");
    manifest->versionCode = Number(json, "version_code");
    auto splits = json.find("split_apks");
    if (splits != json.end() && splits->is_array()) {
        for (const Json& s : *splits)
            if (s.is_object() && !Text(s, "file").empty())
                manifest->splits.push_back({Text(s, "file"), Text(s, "id")});
    }
    auto expansions = json.find("expansions");
    if (expansions != json.end() && expansions->is_array()) {
        for (const Json& e : *expansions)
            if (e.is_object() && !Text(e, "file").empty())
                manifest->expansions.push_back({Text(e, "file"), Text(e, "install_path")});
    }
    return true;
}

bool ParseApkmInfo(const std::string& text, ApkmInfo* info)
{
    *info = ApkmInfo();
    const Json json = ParseObject(text);
    if (json.is_discarded() || json.find("apkm_version") == json.end())
        return false;
    info->packageName = Text(json, "pname");
    info->versionCode = Number(json, "versioncode");
    return true;
}

std::string ExpansionDevicePath(const std::string& package, const XapkExpansion& expansion)
{
    auto safePart = [](const std::string& part) {
        return !part.empty() && part != "." && part != ".." &&
               part.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
    };
    if (!safePart(package))
        return std::string();
    const std::string folder = "Android/obb/" + package + "/";
    std::string relative = expansion.installPath;
    if (relative.empty())
        relative = folder + expansion.file.substr(expansion.file.find_last_of('/') + 1);
    if (relative.compare(0, folder.size(), folder) != 0)
        return std::string();
    // What follows the folder: one or more safe names.
    std::string rest = relative.substr(folder.size());
    for (size_t at = 0;;) {
        const size_t slash = rest.find('/', at);
        if (!safePart(rest.substr(at, slash == std::string::npos ? std::string::npos : slash - at)))
            return std::string();
        if (slash == std::string::npos)
            break;
        at = slash + 1;
    }
    // The device's shell runs what adb is told; keep the name plain.
    for (char c : relative)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '.' || c == '_' || c == '-'))
            return std::string();
    return "/sdcard/" + relative;
}
