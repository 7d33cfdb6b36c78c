// A resource string pool (UTF-8 or UTF-16 strings), read into UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resformat/ResBytes.h"

namespace res {

class StringPool {
public:
    // Reads the pool chunk; false (and an empty pool) when it is damaged.
    bool Read(const Bytes& chunk);

    // The string at `index`; empty for kNoIndex or an index out of range.
    const std::string& At(std::uint32_t index) const;
    std::size_t Count() const { return strings_.size(); }

private:
    std::vector<std::string> strings_;
};

}  // namespace res
