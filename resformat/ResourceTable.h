// A package's resource table (resources.arsc): its values by resource id
// and configuration, looked up the way the platform looks them up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "resformat/ResConfig.h"
#include "resformat/StringPool.h"

namespace res {

class ResourceTable {
public:
    // False when the table is damaged.
    bool Read(const std::string& bytes);

    // The configuration of every type chunk, in table order.
    const std::vector<ResConfig>& Configs() const { return configs_; }

    // The value of `id` in the configuration that best matches `request`;
    // false when no configuration matching it has one.
    bool Lookup(std::uint32_t id, const ResConfig& request, Value* out) const;

    // Follows references as the platform does when it resolves an attribute
    // (at most 20 steps); a reference it cannot follow stays one.
    void Resolve(Value* value, const ResConfig& request) const;

    // Every value `id` has, each with its configuration.
    std::vector<std::pair<ResConfig, Value>> Variants(std::uint32_t id) const;

    // A string value's text.
    const std::string& String(const Value& value) const;

private:
    struct TypeChunk {
        ResConfig config;
        std::map<std::uint32_t, Value> entries;  // simple values only
    };
    using Key = std::pair<std::uint32_t, std::uint32_t>;  // package id, type id

    bool ReadPackage(const Bytes& chunk);
    bool ReadType(std::uint32_t package, const Bytes& chunk);

    StringPool strings_;
    std::vector<ResConfig> configs_;
    std::map<Key, std::vector<TypeChunk>> types_;
};

}  // namespace res
