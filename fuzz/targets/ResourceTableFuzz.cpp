// A resource table (resources.arsc) as anything at all: it is read or
// refused within its bounds, and looking up, resolving and listing any id
// ends, whatever the references in it point at.
#include <cstring>

#include "fuzz/FuzzCheck.h"
#include "resformat/ResourceTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes = fuzz::Bytes(data, size);
    res::ResourceTable table;
    if (!table.Read(bytes))
        return 0;
    const res::ResConfig request = res::ResConfig::BadgingRequest();
    std::uint32_t ids[] = {0x7f010000, 0x7f020000, 0x7f030000, 0x7f040000};
    if (size >= 4)
        std::memcpy(&ids[0], data, 4);
    for (std::uint32_t id : ids) {
        res::Value value{res::kTypeReference, id};
        table.Resolve(&value, request);
        table.String(value);
        for (const auto& variant : table.Variants(id))
            table.String(variant.second);
    }
    return 0;
}
