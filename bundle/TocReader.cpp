#include "bundle/TocReader.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>

#include "bundle/ApkFacts.h"

namespace {

// One protocol buffer message: fields read in order, every length checked
// against what remains, so damaged bytes can only fail.
class Message {
public:
    Message(const std::string& bytes, std::size_t begin, std::size_t end) : bytes_(bytes), at_(begin), end_(end) {}

    // The next field; false at the end or on damage (Bad() tells which).
    bool Next()
    {
        if (at_ >= end_)
            return false;
        std::uint64_t key = 0;
        if (!Varint(&key) || (key >> 3) == 0 || (key >> 3) > 0x1FFFFFFF)
            return Fail();
        field_ = static_cast<int>(key >> 3);
        wire_ = static_cast<int>(key & 7);
        switch (wire_) {
        case 0:
            return Varint(&value_) || Fail();
        case 1:
            return Skip(8);
        case 5:
            return Skip(4);
        case 2:
            if (!Varint(&value_) || value_ > end_ - at_)
                return Fail();
            start_ = at_;
            at_ += static_cast<std::size_t>(value_);
            return true;
        default:
            return Fail();  // groups are not used by this format
        }
    }

    int Field() const { return field_; }
    bool IsBytes() const { return wire_ == 2; }
    std::uint64_t Value() const { return wire_ == 0 ? value_ : 0; }
    // A length-delimited field's bytes as a message; empty for others.
    Message Sub() const { return Message(bytes_, IsBytes() ? start_ : at_, at_); }
    std::string Text() const { return IsBytes() ? bytes_.substr(start_, at_ - start_) : std::string(); }
    bool Bad() const { return bad_; }

private:
    bool Varint(std::uint64_t* value)
    {
        *value = 0;
        for (int shift = 0; shift < 64 && at_ < end_; shift += 7) {
            const unsigned char b = static_cast<unsigned char>(bytes_[at_++]);
            *value |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool Skip(std::size_t n)
    {
        if (n > end_ - at_)
            return Fail();
        at_ += n;
        return true;
    }
    bool Fail()
    {
        bad_ = true;
        at_ = end_;
        return false;
    }

    const std::string& bytes_;
    std::size_t at_, end_;
    std::size_t start_ = 0;
    int field_ = 0, wire_ = 0;
    std::uint64_t value_ = 0;
    bool bad_ = false;
};

const char* const kAbiNames[] = {"", "armeabi", "armeabi_v7a", "arm64_v8a", "x86", "x86_64", "mips", "mips64",
                                  "riscv64"};
const int kDensityDpi[] = {0, 0, 120, 160, 213, 240, 320, 480, 640};

struct Reader {
    std::size_t items = 0;
    bool bad = false;

    bool Count()
    {
        if (++items > kMaxTocItems)
            bad = true;
        return !bad;
    }
    void Check(const Message& m)
    {
        if (m.Bad())
            bad = true;
    }

    // SdkVersionTargeting{value=1: SdkVersion{min=1: Int32Value{value=1}}}
    int MinSdk(Message targeting)
    {
        int level = 0;
        while (targeting.Next()) {
            if (targeting.Field() != 1 || !targeting.IsBytes())
                continue;
            for (Message sdk = targeting.Sub(); sdk.Next();) {
                if (sdk.Field() != 1 || !sdk.IsBytes())
                    continue;
                for (Message wrapped = sdk.Sub(); wrapped.Next();)
                    if (wrapped.Field() == 1 && wrapped.Value() < 10000)
                        level = static_cast<int>(wrapped.Value());
            }
        }
        Check(targeting);
        return level;
    }

    // AbiTargeting{value=1: Abi{alias=1}}
    void Abis(Message targeting, std::vector<std::string>* abis)
    {
        while (targeting.Next() && Count())
            if (targeting.Field() == 1 && targeting.IsBytes())
                for (Message abi = targeting.Sub(); abi.Next();)
                    if (abi.Field() == 1 && abi.Value() > 0 && abi.Value() < std::size(kAbiNames))
                        abis->push_back(kAbiNames[abi.Value()]);
        Check(targeting);
    }

    // ScreenDensityTargeting{value=1: ScreenDensity{density_alias=1 | density_dpi=2}}
    int Density(Message targeting)
    {
        int dpi = 0;
        while (targeting.Next())
            if (targeting.Field() == 1 && targeting.IsBytes())
                for (Message d = targeting.Sub(); d.Next();) {
                    if (d.Field() == 1 && d.Value() < std::size(kDensityDpi))
                        dpi = kDensityDpi[d.Value()];
                    else if (d.Field() == 2 && d.Value() < 10000)
                        dpi = static_cast<int>(d.Value());
                }
        Check(targeting);
        return dpi;
    }

    // ApkDescription{path=2, split_apk_metadata=3{split_id=1},
    // standalone_apk_metadata=4, asset_slice_metadata=7{split_id=1}}; false
    // for the kinds a phone is not given (instant, system, archived).
    bool Apk(Message description, TocApk* apk, bool* standalone)
    {
        bool installable = false;
        while (description.Next()) {
            const int f = description.Field();
            if (f == 2) {
                apk->path = description.Text();
            } else if ((f == 3 || f == 7) && description.IsBytes()) {
                installable = true;
                for (Message meta = description.Sub(); meta.Next();)
                    if (meta.Field() == 1)
                        apk->splitId = meta.Text();
            } else if (f == 4 && description.IsBytes()) {
                installable = *standalone = true;
            }
        }
        Check(description);
        return installable && !apk->path.empty();
    }

    // ApkSet{module_metadata=1{name=1, on_demand_deprecated=2, dependencies=4,
    // delivery_type=6}, apk_description=2}; an AssetSliceSet has the same
    // shape with delivery_type=4 and no default of install-time.
    TocModule Module(Message set, bool asset, bool* standalone)
    {
        TocModule module;
        std::uint64_t delivery = 0;
        bool onDemandDeprecated = false;
        while (set.Next() && Count()) {
            if (set.Field() == 1 && set.IsBytes()) {
                for (Message meta = set.Sub(); meta.Next();) {
                    if (meta.Field() == 1)
                        module.name = meta.Text();
                    else if (meta.Field() == (asset ? 4 : 6))
                        delivery = meta.Value();
                    else if (!asset && meta.Field() == 2)
                        onDemandDeprecated = meta.Value() != 0;
                    else if (!asset && meta.Field() == 4 && meta.IsBytes() && Count())
                        module.dependencies.push_back(meta.Text());
                }
            } else if (set.Field() == 2 && set.IsBytes()) {
                TocApk apk;
                if (Apk(set.Sub(), &apk, standalone))
                    module.apks.push_back(apk);
            }
        }
        Check(set);
        // Before delivery types, a module was on demand or installed with the app.
        if (delivery == 0 && !asset)
            delivery = onDemandDeprecated ? 2 : 1;
        module.delivery = delivery == 1   ? TocDelivery::InstallTime
                          : delivery == 3 ? TocDelivery::FastFollow
                                          : TocDelivery::OnDemand;
        return module;
    }

    // Variant{targeting=1{sdk=1, abi=2, density=3}, apk_set=2}
    TocVariant Variant(Message variant)
    {
        TocVariant result;
        while (variant.Next() && Count()) {
            if (variant.Field() == 1 && variant.IsBytes()) {
                for (Message t = variant.Sub(); t.Next();) {
                    if (!t.IsBytes())
                        continue;
                    if (t.Field() == 1)
                        result.minSdk = MinSdk(t.Sub());
                    else if (t.Field() == 2)
                        Abis(t.Sub(), &result.abis);
                    else if (t.Field() == 3)
                        result.density = Density(t.Sub());
                }
            } else if (variant.Field() == 2 && variant.IsBytes()) {
                result.modules.push_back(Module(variant.Sub(), false, &result.standalone));
            }
        }
        Check(variant);
        return result;
    }
};

}  // namespace

bool ReadToc(const std::string& bytes, Toc* toc)
{
    *toc = Toc();
    if (bytes.size() > kMaxTocBytes)
        return false;
    Reader reader;
    bool unused = false;
    Message result(bytes, 0, bytes.size());
    while (result.Next() && reader.Count()) {
        if (result.Field() == 1 && result.IsBytes())
            toc->variants.push_back(reader.Variant(result.Sub()));
        else if (result.Field() == 3 && result.IsBytes())
            toc->assetModules.push_back(reader.Module(result.Sub(), true, &unused));
        else if (result.Field() == 4)
            toc->packageName = result.Text();
    }
    reader.Check(result);
    if (reader.bad)
        *toc = Toc();
    return !reader.bad;
}

namespace {

// Where the phone's processors rank this variant: 0 best; variants for any
// processor, and every variant when the phone does not say, rank alike.
std::size_t AbiRank(const TocVariant& v, const DeviceProfile& device)
{
    if (v.abis.empty() || device.abis.empty())
        return 0;
    for (std::size_t i = 0; i < device.abis.size(); ++i)
        if (std::find(v.abis.begin(), v.abis.end(), device.abis[i]) != v.abis.end())
            return i;
    return device.abis.size();
}

}  // namespace

const TocVariant* ChooseVariant(const Toc& toc, const DeviceProfile& device, Refusal* refusal)
{
    *refusal = Refusal();
    const TocVariant* best = nullptr;
    int lowest = 0;
    for (const TocVariant& v : toc.variants) {
        if (v.modules.empty())
            continue;
        if (lowest == 0 || v.minSdk < lowest)
            lowest = v.minSdk;
        if (device.sdk > 0 && v.minSdk > device.sdk)
            continue;
        if (!best || v.minSdk > best->minSdk) {
            best = &v;
            continue;
        }
        if (v.minSdk < best->minSdk)
            continue;
        const std::size_t rank = AbiRank(v, device), bestRank = AbiRank(*best, device);
        if (rank != bestRank) {
            if (rank < bestRank)
                best = &v;
            continue;
        }
        if (device.density > 0 && v.density != best->density && v.density > 0 && best->density > 0 &&
            DensityIsBetter(v.density, best->density, device.density))
            best = &v;
    }
    if (!best && !toc.variants.empty())
        *refusal = Refusal(RefusalCode::PhoneTooOld, std::to_string(lowest));
    return best;
}

std::vector<TocApk> InstallTimeApks(const Toc& toc, const TocVariant& variant)
{
    std::set<std::string> wanted;
    std::vector<std::string> todo;
    for (const TocModule& m : variant.modules)
        if (m.delivery == TocDelivery::InstallTime)
            todo.push_back(m.name);
    // A module's dependencies come with it, whatever their own delivery.
    while (!todo.empty()) {
        const std::string name = todo.back();
        todo.pop_back();
        if (!wanted.insert(name).second)
            continue;
        for (const TocModule& m : variant.modules)
            if (m.name == name)
                todo.insert(todo.end(), m.dependencies.begin(), m.dependencies.end());
    }
    std::vector<TocApk> apks;
    for (const TocModule& m : variant.modules)
        if (wanted.count(m.name))
            apks.insert(apks.end(), m.apks.begin(), m.apks.end());
    for (const TocModule& m : toc.assetModules)
        if (m.delivery == TocDelivery::InstallTime)
            apks.insert(apks.end(), m.apks.begin(), m.apks.end());
    return apks;
}
