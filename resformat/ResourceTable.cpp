#include "resformat/ResourceTable.h"

namespace res {

namespace {
constexpr std::uint16_t kComplexEntry = 0x0001;
constexpr std::uint8_t kSparseType = 0x01;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFFu;
constexpr int kMaxReferenceSteps = 20;
// Entries per type chunk beyond this are damage: ids have 16 bits for them.
constexpr std::uint32_t kMaxEntries = 0x10000;
}  // namespace

bool ResourceTable::Read(const std::string& bytes)
{
    const Bytes file(bytes);
    const std::uint16_t type = file.U16(0), headerSize = file.U16(2);
    const std::uint32_t size = file.U32(4);
    if (file.Bad() || type != kTable || headerSize < 12 || size > file.Size())
        return false;
    const Bytes table = file.Sub(0, size);
    for (std::size_t at = headerSize; at < table.Size();) {
        const Bytes chunk = table.Chunk(at);
        if (chunk.Bad())
            return false;
        if (chunk.U16(0) == kStringPool && !strings_.Read(chunk))
            return false;
        if (chunk.U16(0) == kTablePackage && !ReadPackage(chunk))
            return false;
        at += chunk.Size();
    }
    return true;
}

bool ResourceTable::ReadPackage(const Bytes& chunk)
{
    const std::uint32_t id = chunk.U32(8);
    const std::size_t headerSize = chunk.U16(2);
    if (chunk.Bad() || headerSize < 12)
        return false;
    for (std::size_t at = headerSize; at < chunk.Size();) {
        const Bytes inner = chunk.Chunk(at);
        if (inner.Bad())
            return false;
        if (inner.U16(0) == kTableType && !ReadType(id, inner))
            return false;
        at += inner.Size();
    }
    return true;
}

bool ResourceTable::ReadType(std::uint32_t package, const Bytes& chunk)
{
    const std::size_t headerSize = chunk.U16(2);
    const std::uint32_t typeId = chunk.U8(8);
    const std::uint8_t flags = chunk.U8(9);
    const std::uint32_t count = chunk.U32(12);
    const std::uint32_t entriesStart = chunk.U32(16);
    if (chunk.Bad() || typeId == 0 || count > kMaxEntries || !chunk.Has(headerSize, std::size_t(count) * 4))
        return false;
    TypeChunk type;
    type.config = ResConfig::Read(chunk, 20);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t index = i, offset = chunk.U32(headerSize + 4 * i);
        if (flags & kSparseType) {
            index = chunk.U16(headerSize + 4 * i);
            offset = std::uint32_t(chunk.U16(headerSize + 4 * i + 2)) * 4;
        }
        if (offset == kNoEntry)
            continue;
        const std::size_t entry = std::size_t(entriesStart) + offset;
        const std::uint16_t entrySize = chunk.U16(entry);
        const std::uint16_t entryFlags = chunk.U16(entry + 2);
        if (chunk.Bad())
            return false;
        if (entryFlags & kComplexEntry)
            continue;  // styles and other bags: never a label or an icon
        Value value;
        value.type = chunk.U8(entry + entrySize + 3);
        value.data = chunk.U32(entry + entrySize + 4);
        if (chunk.Bad())
            return false;
        type.entries[index] = value;
    }
    configs_.push_back(type.config);
    types_[Key(package, typeId)].push_back(std::move(type));
    return true;
}

bool ResourceTable::Lookup(std::uint32_t id, const ResConfig& request, Value* out) const
{
    const auto found = types_.find(Key(id >> 24, (id >> 16) & 0xFF));
    if (found == types_.end())
        return false;
    const TypeChunk* best = nullptr;
    for (const TypeChunk& type : found->second) {
        const auto entry = type.entries.find(id & 0xFFFF);
        if (entry == type.entries.end() || !type.config.Matches(request))
            continue;
        if (!best || type.config.IsBetterThan(best->config, request)) {
            best = &type;
            *out = entry->second;
        }
    }
    return best != nullptr;
}

void ResourceTable::Resolve(Value* value, const ResConfig& request) const
{
    for (int step = 0; step < kMaxReferenceSteps && value->type == kTypeReference; ++step) {
        Value next;
        if (!Lookup(value->data, request, &next))
            return;
        *value = next;
    }
}

std::vector<std::pair<ResConfig, Value>> ResourceTable::Variants(std::uint32_t id) const
{
    std::vector<std::pair<ResConfig, Value>> variants;
    const auto found = types_.find(Key(id >> 24, (id >> 16) & 0xFF));
    if (found == types_.end())
        return variants;
    for (const TypeChunk& type : found->second) {
        const auto entry = type.entries.find(id & 0xFFFF);
        if (entry != type.entries.end())
            variants.emplace_back(type.config, entry->second);
    }
    return variants;
}

const std::string& ResourceTable::String(const Value& value) const
{
    static const std::string none;
    return value.type == kTypeString ? strings_.At(value.data) : none;
}

}  // namespace res
