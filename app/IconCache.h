// Decoded package icons for the rows being drawn and the details shown: a
// thousand queued packages keep their icons compressed, and only the few
// most recently drawn stay decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <utility>

#include "app/AppItem.h"

namespace Gdiplus {
class GpImage;
}

using SharedImage = std::shared_ptr<Gdiplus::GpImage>;

class IconCache {
public:
    // More than the rows a list shows at once, plus the details.
    static constexpr size_t kCapacity = 16;

    // The item's decoded icon; nullptr when it has none or it cannot be
    // read. A painter holding the image keeps it alive past its eviction.
    SharedImage Get(const AppItem& item);

private:
    std::list<std::pair<uint64_t, SharedImage>> recent_;  // most recent first
};
