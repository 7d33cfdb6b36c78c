// A bundletool toc.pb as anything at all: the reader stays within its
// item bound, a refused table leaves nothing behind, and the variant chosen
// for a phone is one that phone's SDK level allows (any, when unknown).
#include "bundle/TocReader.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Toc toc;
    if (!ReadToc(fuzz::Bytes(data, size), &toc)) {
        FUZZ_CHECK(toc.variants.empty() && toc.assetModules.empty());
        return 0;
    }
    size_t items = toc.variants.size() + toc.assetModules.size();
    for (const TocVariant& v : toc.variants)
        for (const TocModule& m : v.modules)
            items += 1 + m.apks.size();
    FUZZ_CHECK(items <= 2 * kMaxTocItems);
    DeviceProfile phone;
    phone.sdk = static_cast<int>(size % 35);
    Refusal refusal;
    if (const TocVariant* chosen = ChooseVariant(toc, phone, &refusal)) {
        FUZZ_CHECK(!refusal && (phone.sdk == 0 || chosen->minSdk <= phone.sdk));
        FUZZ_CHECK(InstallTimeApks(toc, *chosen).size() <= 2 * kMaxTocItems);
    } else {
        FUZZ_CHECK(toc.variants.empty() || refusal.code == RefusalCode::PhoneTooOld);
    }
    return 0;
}
