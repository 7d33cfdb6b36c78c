// Which APKs of a bundle a phone gets: the base and every module, and per
// module one ABI split by the phone's ABI order, the density split nearest
// its screen, and its language's splits plus English. A property the phone
// did not tell keeps every split of that kind.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bundle/ApkFacts.h"
#include "bundle/DeviceProfile.h"

struct SplitChoice {
    std::vector<std::size_t> chosen;  // indexes into the APKs, the base first
    std::string refusal;              // why nothing can be installed; empty when chosen
};

SplitChoice ChooseSplits(const std::vector<ApkFacts>& apks, const DeviceProfile& device);

// Why these APKs are no one app for want of exactly one base (an APK with
// no split name); empty when they have one.
std::string BaseRefusal(const std::vector<ApkFacts>& apks);
