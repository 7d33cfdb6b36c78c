// A resource configuration (the qualifiers of a res/ folder), and how the
// platform picks among them: which ones match a device, which one of two is
// the better match. Covers the qualifiers a badging needs faithfully
// (locale, density, version, screen sizes, orientation); the rest match as
// the platform matches them and rank after those.
#pragma once

#include <cstdint>
#include <string>

#include "resformat/ResBytes.h"

namespace res {

struct ResConfig {
    std::uint16_t mcc = 0, mnc = 0;
    char language[2] = {0, 0}, country[2] = {0, 0};
    std::uint8_t orientation = 0, touchscreen = 0;
    std::uint16_t density = 0;
    std::uint8_t keyboard = 0, navigation = 0, inputFlags = 0;
    std::uint16_t screenWidth = 0, screenHeight = 0;
    std::uint16_t sdkVersion = 0, minorVersion = 0;
    std::uint8_t screenLayout = 0, uiMode = 0;
    std::uint16_t smallestScreenWidthDp = 0, screenWidthDp = 0, screenHeightDp = 0;
    char localeScript[4] = {0, 0, 0, 0};
    char localeVariant[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    std::uint8_t screenLayout2 = 0, colorMode = 0;

    static constexpr std::uint16_t kDensityMedium = 160;
    static constexpr std::uint16_t kDensityAny = 0xFFFE;

    // From the bytes of a type chunk's config (its first field is its size).
    static ResConfig Read(const Bytes& bytes, std::size_t at);

    // The configuration the badging asks with: en-US, portrait, 160 dpi,
    // a normal 320x480 dp screen, any platform version.
    static ResConfig BadgingRequest();

    bool HasLocale() const { return language[0] || country[0]; }
    // "", "fr", "zh-CN", "sr-Latn": the locale as the badging names it.
    std::string Bcp47() const;
    // Takes over the locale of a Bcp47() text ("" for none).
    void SetLocale(const std::string& bcp47);

    bool Matches(const ResConfig& request) const;
    bool IsBetterThan(const ResConfig& other, const ResConfig& request) const;
};

}  // namespace res
