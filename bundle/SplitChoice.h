// Which APKs of a bundle a phone gets: the base and every module, and per
// module one ABI split by the phone's ABI order, the density split Android
// would pick for its screen, and its language's splits plus English. A
// property the phone did not tell keeps every split of that kind.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bundle/ApkFacts.h"
#include "bundle/DeviceProfile.h"
#include "bundle/Refusal.h"

struct Bundle;

struct SplitChoice {
    std::vector<std::size_t> chosen;  // indexes into the APKs, the base first
    Refusal refusal;                  // why nothing can be installed; none when chosen
};

SplitChoice ChooseSplits(const std::vector<ApkFacts>& apks, const DeviceProfile& device);

// The same over a bundle's APKs; a chosen APK that is missing or damaged
// refuses the whole bundle, naming it.
SplitChoice ChooseSplits(const Bundle& bundle, const DeviceProfile& device);

// The index of the one base (an APK with no split name); -1, with
// NoBase or SeveralBases in *refusal, when there is not exactly one.
int FindBase(const std::vector<ApkFacts>& apks, Refusal* refusal);
