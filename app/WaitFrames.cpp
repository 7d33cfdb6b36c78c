#include "app/WaitFrames.h"

#include <limits>

bool WaitFrames::Advance(std::uint32_t* subImage)
{
    // Wrap before the add so a counter at the top cannot overflow.
    if (counter_ == std::numeric_limits<std::int32_t>::max())
        counter_ = -1;
    ++counter_;
    const std::int64_t limit = static_cast<std::int64_t>(frames_) * 5;
    if (counter_ < 0 || counter_ >= limit)
        counter_ = 0;
    if (counter_ % 5 != 0)
        return false;
    *subImage = static_cast<std::uint32_t>(counter_ / 5);
    return true;
}
