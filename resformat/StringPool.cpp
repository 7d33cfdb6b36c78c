#include "resformat/StringPool.h"

#include "platform/Text.h"

namespace res {

namespace {

constexpr std::uint32_t kUtf8Flag = 0x100;
// More strings than bytes cannot be: a count beyond this is damage.
constexpr std::uint32_t kMaxStrings = 1u << 24;

// A UTF-8 pool string: its UTF-16 length, its UTF-8 length, the bytes.
bool ReadUtf8(const Bytes& b, std::size_t at, std::string* out)
{
    auto length = [&](std::size_t* pos) {
        std::size_t n = b.U8(*pos);
        ++*pos;
        if (n & 0x80)
            n = (n & 0x7F) << 8 | b.U8((*pos)++);
        return n;
    };
    length(&at);  // UTF-16 units, not needed
    std::size_t bytes = length(&at);
    if (b.Bad() || !b.Has(at, bytes))
        return false;
    out->assign(b.Data(at), bytes);
    return true;
}

bool ReadUtf16(const Bytes& b, std::size_t at, std::string* out)
{
    std::size_t units = b.U16(at);
    at += 2;
    if (units & 0x8000) {
        units = (units & 0x7FFF) << 16 | b.U16(at);
        at += 2;
    }
    if (b.Bad() || !b.Has(at, units * 2))
        return false;
    std::wstring wide;
    wide.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        std::uint32_t c = b.U16(at + 2 * i);
        // Pair surrogates here: wchar_t is 32 bits natively.
        if (sizeof(wchar_t) == 4 && c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
            std::uint32_t low = b.U16(at + 2 * (i + 1));
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        wide += static_cast<wchar_t>(c);
    }
    *out = WideToUtf8(wide);
    return true;
}

}  // namespace

bool StringPool::Read(const Bytes& chunk)
{
    strings_.clear();
    const std::uint16_t headerSize = chunk.U16(2);
    const std::uint32_t count = chunk.U32(8);
    const std::uint32_t flags = chunk.U32(16);
    const std::uint32_t stringsStart = chunk.U32(20);
    if (chunk.Bad() || chunk.U16(0) != kStringPool || count > kMaxStrings ||
        !chunk.Has(headerSize, std::size_t(count) * 4))
        return false;
    strings_.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = std::size_t(stringsStart) + chunk.U32(headerSize + 4 * i);
        const bool ok = (flags & kUtf8Flag) ? ReadUtf8(chunk, at, &strings_[i]) : ReadUtf16(chunk, at, &strings_[i]);
        if (!ok) {
            strings_.clear();
            return false;
        }
    }
    return true;
}

const std::string& StringPool::At(std::uint32_t index) const
{
    static const std::string none;
    return index < strings_.size() ? strings_[index] : none;
}

}  // namespace res
