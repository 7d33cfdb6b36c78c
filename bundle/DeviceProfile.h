// What split choice needs to know of a phone, read from `getprop`'s listing
// ("[ro.product.cpu.abilist]: [arm64-v8a,armeabi-v7a]" a line).
#pragma once

#include <string>
#include <vector>

struct DeviceProfile {
    std::vector<std::string> abis;  // preference order, as split names write them ("arm64_v8a")
    int density = 0;                // dots per inch; 0 unknown
    std::string language;           // "fr", "zh"; empty unknown
    int sdk = 0;                    // 0 unknown
};

DeviceProfile ParseGetprop(const std::string& listing);
