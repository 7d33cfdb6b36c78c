#include "bundle/TocReader.h"

#include <cstdint>

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

    // ApkDescription{path=2, split_apk_metadata=3}; empty for other kinds.
    std::string SplitPath(Message apk)
    {
        std::string path;
        bool split = false;
        while (apk.Next()) {
            if (apk.Field() == 2)
                path = apk.Text();
            else if (apk.Field() == 3 && apk.IsBytes())
                split = true;
        }
        Check(apk);
        return split ? path : std::string();
    }

    // ApkSet{module_metadata=1{name=1, delivery_type=6}, apk_description=2};
    // AssetSliceSet has the same shape with delivery_type=4.
    TocModule Module(Message set, int deliveryField)
    {
        TocModule module;
        while (set.Next() && Count()) {
            if (set.Field() == 1 && set.IsBytes()) {
                for (Message meta = set.Sub(); meta.Next();) {
                    if (meta.Field() == 1)
                        module.name = meta.Text();
                    else if (meta.Field() == deliveryField)
                        module.onDemand = meta.Value() == 2;  // ON_DEMAND
                }
            } else if (set.Field() == 2 && set.IsBytes()) {
                const std::string path = SplitPath(set.Sub());
                if (!path.empty())
                    module.apks.push_back(path);
            }
        }
        Check(set);
        return module;
    }

    // Variant{targeting=1{sdk_version_targeting=1}, apk_set=2}
    TocVariant Variant(Message variant)
    {
        TocVariant result;
        while (variant.Next() && Count()) {
            if (variant.Field() == 1 && variant.IsBytes()) {
                for (Message t = variant.Sub(); t.Next();)
                    if (t.Field() == 1 && t.IsBytes())
                        result.minSdk = MinSdk(t.Sub());
            } else if (variant.Field() == 2 && variant.IsBytes()) {
                result.modules.push_back(Module(variant.Sub(), 6));
                if (!result.modules.back().apks.empty())
                    result.splits = true;
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
    Message result(bytes, 0, bytes.size());
    while (result.Next() && reader.Count()) {
        if (result.Field() == 1 && result.IsBytes())
            toc->variants.push_back(reader.Variant(result.Sub()));
        else if (result.Field() == 3 && result.IsBytes())
            toc->assetModules.push_back(reader.Module(result.Sub(), 4));
        else if (result.Field() == 4)
            toc->packageName = result.Text();
    }
    reader.Check(result);
    if (reader.bad)
        *toc = Toc();
    return !reader.bad;
}

const TocVariant* ChooseVariant(const Toc& toc, int sdk)
{
    const TocVariant* best = nullptr;
    for (const TocVariant& v : toc.variants) {
        if (!v.splits || (sdk > 0 && v.minSdk > sdk))
            continue;
        if (!best || v.minSdk > best->minSdk)
            best = &v;
    }
    return best;
}
