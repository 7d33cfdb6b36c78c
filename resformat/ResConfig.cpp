#include "resformat/ResConfig.h"

#include <cstring>

namespace res {

namespace {

constexpr std::uint8_t kLayoutDirMask = 0xC0, kScreenSizeMask = 0x0F, kScreenLongMask = 0x30;
constexpr std::uint8_t kUiTypeMask = 0x0F, kUiNightMask = 0x30;
constexpr std::uint8_t kKeysHiddenMask = 0x03, kNavHiddenMask = 0x0C;
constexpr std::uint8_t kKeysHiddenNo = 1, kKeysHiddenSoft = 3;
constexpr std::uint8_t kScreenSizeNormal = 0x02;
constexpr std::uint8_t kOrientationPortrait = 1;

bool Same2(const char* a, const char* b) { return a[0] == b[0] && a[1] == b[1]; }

// A two-letter code as written; the packed three-letter form (high bit set)
// is unpacked the platform's way.
std::string Unpack(const char code[2], char base)
{
    if (!(code[0] & 0x80)) {
        std::string s;
        for (int i = 0; i < 2 && code[i]; ++i)
            s += code[i];
        return s;
    }
    const unsigned in0 = static_cast<unsigned char>(code[0]), in1 = static_cast<unsigned char>(code[1]);
    const char first = static_cast<char>(base + (in1 & 0x1f));
    const char second = static_cast<char>(base + (((in1 & 0xe0) >> 5) + ((in0 & 0x03) << 3)));
    const char third = static_cast<char>(base + ((in0 & 0x7c) >> 2));
    return std::string{first, second, third};
}

}  // namespace

ResConfig ResConfig::Read(const Bytes& b, std::size_t at)
{
    ResConfig c;
    const std::uint32_t size = b.U32(at);
    // Fields past the stored size are zero, as for an older, shorter config.
    unsigned char raw[56] = {};
    for (std::size_t i = 4; i < sizeof raw && i < size; ++i)
        raw[i] = b.U8(at + i);
    auto u16 = [&](int i) { return static_cast<std::uint16_t>(raw[i] | raw[i + 1] << 8); };
    c.mcc = u16(4);
    c.mnc = u16(6);
    std::memcpy(c.language, raw + 8, 2);
    std::memcpy(c.country, raw + 10, 2);
    c.orientation = raw[12];
    c.touchscreen = raw[13];
    c.density = u16(14);
    c.keyboard = raw[16];
    c.navigation = raw[17];
    c.inputFlags = raw[18];
    c.screenWidth = u16(20);
    c.screenHeight = u16(22);
    c.sdkVersion = u16(24);
    c.minorVersion = u16(26);
    c.screenLayout = raw[28];
    c.uiMode = raw[29];
    c.smallestScreenWidthDp = u16(30);
    c.screenWidthDp = u16(32);
    c.screenHeightDp = u16(34);
    std::memcpy(c.localeScript, raw + 36, 4);
    std::memcpy(c.localeVariant, raw + 40, 8);
    c.screenLayout2 = raw[48];
    c.colorMode = raw[49];
    return c;
}

ResConfig ResConfig::BadgingRequest()
{
    ResConfig c;
    c.SetLocale("en-US");
    c.orientation = kOrientationPortrait;
    c.density = kDensityMedium;
    c.sdkVersion = 10000;
    c.screenWidthDp = 320;
    c.screenHeightDp = 480;
    c.smallestScreenWidthDp = 320;
    c.screenLayout = kScreenSizeNormal;
    return c;
}

std::string ResConfig::Bcp47() const
{
    std::string s = Unpack(language, 'a');
    auto add = [&](const std::string& part) {
        if (part.empty())
            return;
        if (!s.empty())
            s += '-';
        s += part;
    };
    add(std::string(localeScript, strnlen(localeScript, sizeof localeScript)));
    add(Unpack(country, '0'));
    add(std::string(localeVariant, strnlen(localeVariant, sizeof localeVariant)));
    return s;
}

void ResConfig::SetLocale(const std::string& bcp47)
{
    std::memset(language, 0, sizeof language);
    std::memset(country, 0, sizeof country);
    std::memset(localeScript, 0, sizeof localeScript);
    std::memset(localeVariant, 0, sizeof localeVariant);
    size_t at = 0;
    for (int part = 0; at <= bcp47.size() && !bcp47.empty(); ++part) {
        size_t end = bcp47.find('-', at);
        if (end == std::string::npos)
            end = bcp47.size();
        const std::string p = bcp47.substr(at, end - at);
        if (part == 0 && p.size() == 2)
            std::memcpy(language, p.data(), 2);
        else if (part > 0 && p.size() == 4)
            std::memcpy(localeScript, p.data(), 4);
        else if (part > 0 && p.size() == 2)
            std::memcpy(country, p.data(), 2);
        else if (part > 0 && p.size() <= sizeof localeVariant)
            std::memcpy(localeVariant, p.data(), p.size());
        at = end + 1;
    }
}

bool ResConfig::Matches(const ResConfig& r) const
{
    if (mcc && mcc != r.mcc)
        return false;
    if (mnc && mnc != r.mnc)
        return false;
    if (HasLocale()) {
        // Without the platform's script tables a country, when given, must
        // be the requested one; the language always must.
        if (!Same2(language, r.language))
            return false;
        if (country[0] && !Same2(country, r.country))
            return false;
        if (localeScript[0] && std::memcmp(localeScript, r.localeScript, 4) != 0)
            return false;
    }
    const int layoutDir = screenLayout & kLayoutDirMask;
    if (layoutDir && layoutDir != (r.screenLayout & kLayoutDirMask))
        return false;
    const int size = screenLayout & kScreenSizeMask;
    if (size && size > (r.screenLayout & kScreenSizeMask))
        return false;
    const int isLong = screenLayout & kScreenLongMask;
    if (isLong && isLong != (r.screenLayout & kScreenLongMask))
        return false;
    if ((uiMode & kUiTypeMask) && (uiMode & kUiTypeMask) != (r.uiMode & kUiTypeMask))
        return false;
    if ((uiMode & kUiNightMask) && (uiMode & kUiNightMask) != (r.uiMode & kUiNightMask))
        return false;
    if (smallestScreenWidthDp && smallestScreenWidthDp > r.smallestScreenWidthDp)
        return false;
    if (screenLayout2 && screenLayout2 != r.screenLayout2)
        return false;
    if (colorMode && colorMode != r.colorMode)
        return false;
    if (screenWidthDp && screenWidthDp > r.screenWidthDp)
        return false;
    if (screenHeightDp && screenHeightDp > r.screenHeightDp)
        return false;
    if (orientation && orientation != r.orientation)
        return false;
    if (touchscreen && touchscreen != r.touchscreen)
        return false;
    const int keysHidden = inputFlags & kKeysHiddenMask, wantKeysHidden = r.inputFlags & kKeysHiddenMask;
    if (keysHidden && keysHidden != wantKeysHidden && !(keysHidden == kKeysHiddenNo && wantKeysHidden == kKeysHiddenSoft))
        return false;
    if ((inputFlags & kNavHiddenMask) && (inputFlags & kNavHiddenMask) != (r.inputFlags & kNavHiddenMask))
        return false;
    if (keyboard && keyboard != r.keyboard)
        return false;
    if (navigation && navigation != r.navigation)
        return false;
    if (screenWidth && screenWidth > r.screenWidth)
        return false;
    if (screenHeight && screenHeight > r.screenHeight)
        return false;
    if (sdkVersion && sdkVersion > r.sdkVersion)
        return false;
    if (minorVersion && minorVersion != r.minorVersion)
        return false;
    return true;
}

bool ResConfig::IsBetterThan(const ResConfig& o, const ResConfig& r) const
{
    if (mcc != o.mcc && r.mcc)
        return mcc != 0;
    if (mnc != o.mnc && r.mnc)
        return mnc != 0;
    if (r.HasLocale() && (HasLocale() || o.HasLocale())) {
        if (!Same2(language, o.language)) {
            // Only matching languages get here, so one of the two has none;
            // for US English a resource without a country (or US) wins.
            if (Same2(r.language, "en") && Same2(r.country, "US")) {
                if (language[0])
                    return !country[0] || Same2(country, "US");
                return !(!o.country[0] || Same2(o.country, "US"));
            }
            return language[0] != 0;
        }
        if (!Same2(country, o.country) && r.country[0])
            return Same2(country, r.country);
    }
    const int dir = screenLayout & kLayoutDirMask, oDir = o.screenLayout & kLayoutDirMask;
    if (dir != oDir && (r.screenLayout & kLayoutDirMask))
        return dir > oDir;
    if (smallestScreenWidthDp != o.smallestScreenWidthDp)
        return smallestScreenWidthDp > o.smallestScreenWidthDp;
    if (screenWidthDp || screenHeightDp || o.screenWidthDp || o.screenHeightDp) {
        int mine = 0, theirs = 0;
        if (r.screenWidthDp) {
            mine += r.screenWidthDp - screenWidthDp;
            theirs += r.screenWidthDp - o.screenWidthDp;
        }
        if (r.screenHeightDp) {
            mine += r.screenHeightDp - screenHeightDp;
            theirs += r.screenHeightDp - o.screenHeightDp;
        }
        if (mine != theirs)
            return mine < theirs;
    }
    const int size = screenLayout & kScreenSizeMask, oSize = o.screenLayout & kScreenSizeMask;
    if (size != oSize && (r.screenLayout & kScreenSizeMask)) {
        // Unset counts as normal when at least a normal screen is asked for.
        int a = size, b = oSize;
        if ((r.screenLayout & kScreenSizeMask) >= kScreenSizeNormal) {
            a = a ? a : kScreenSizeNormal;
            b = b ? b : kScreenSizeNormal;
        }
        if (a != b)
            return a > b;
        return size != 0;
    }
    if (orientation != o.orientation && r.orientation)
        return orientation != 0;
    if ((uiMode & kUiTypeMask) != (o.uiMode & kUiTypeMask) && (r.uiMode & kUiTypeMask))
        return (uiMode & kUiTypeMask) != 0;
    if ((uiMode & kUiNightMask) != (o.uiMode & kUiNightMask) && (r.uiMode & kUiNightMask))
        return (uiMode & kUiNightMask) != 0;
    if (density != o.density) {
        const int mine = density ? density : kDensityMedium, theirs = o.density ? o.density : kDensityMedium;
        if (mine == kDensityAny)
            return true;
        if (theirs == kDensityAny)
            return false;
        const int want = (r.density == 0 || r.density == kDensityAny) ? kDensityMedium : r.density;
        int h = mine, l = theirs;
        bool bigger = true;
        if (l > h) {
            std::swap(h, l);
            bigger = false;
        }
        if (want >= h)
            return bigger;
        if (l >= want)
            return !bigger;
        // Scaling down is taken as twice as good as scaling up.
        return ((2 * l) - want) * h > want * want ? !bigger : bigger;
    }
    if (touchscreen != o.touchscreen && r.touchscreen)
        return touchscreen != 0;
    if (keyboard != o.keyboard && r.keyboard)
        return keyboard != 0;
    if (navigation != o.navigation && r.navigation)
        return navigation != 0;
    if (screenWidth || screenHeight || o.screenWidth || o.screenHeight) {
        int mine = 0, theirs = 0;
        if (r.screenWidth) {
            mine += r.screenWidth - screenWidth;
            theirs += r.screenWidth - o.screenWidth;
        }
        if (r.screenHeight) {
            mine += r.screenHeight - screenHeight;
            theirs += r.screenHeight - o.screenHeight;
        }
        if (mine != theirs)
            return mine < theirs;
    }
    if (sdkVersion != o.sdkVersion && r.sdkVersion)
        return sdkVersion > o.sdkVersion;
    if (minorVersion != o.minorVersion && r.minorVersion)
        return minorVersion != 0;
    return false;
}

}  // namespace res
