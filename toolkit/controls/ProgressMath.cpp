#include "toolkit/controls/ProgressMath.h"

#include <algorithm>

bool NormaliseProgress(const ProgressRange& in, ProgressRange* out)
{
    ProgressRange r = in;
    if (r.max == r.min) {
        *out = r;
        return false;
    }
    if (r.max < r.min)
        std::swap(r.max, r.min);
    r.value = std::min(std::max(r.value, r.min), r.max);
    *out = r;
    return true;
}

namespace {
// (value - min) * scale / (max - min) in 64 bits: the range may span the
// whole 32-bit line.
int32_t Proportion(const ProgressRange& range, int32_t scale)
{
    ProgressRange r;
    if (!NormaliseProgress(range, &r) || scale <= 0)
        return 0;
    int64_t done = static_cast<int64_t>(r.value) - r.min;
    int64_t whole = static_cast<int64_t>(r.max) - r.min;
    return static_cast<int32_t>(done * scale / whole);
}
}  // namespace

int32_t ProgressFilled(const ProgressRange& range, int32_t length)
{
    return Proportion(range, length);
}

int32_t ProgressPercent(const ProgressRange& range)
{
    return Proportion(range, 100);
}

std::wstring ProgressPercentText(int32_t percent)
{
    return std::to_wstring(percent) + L"%";
}
