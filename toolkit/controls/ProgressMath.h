// The arithmetic of "progress" and "paintprogress": range, clamping, the
// filled extent and the percentage.
#pragma once

#include <cstdint>
#include <string>

struct ProgressRange {
    int32_t min = 0;
    int32_t max = 0;
    int32_t value = 0;
};

// Swaps a reversed range and clamps the value into it; false when max
// equals min (nothing is filled then).
bool NormaliseProgress(const ProgressRange& in, ProgressRange* out);
// Filled pixels of a span of length pixels, rounded down; 0 for an empty range.
int32_t ProgressFilled(const ProgressRange& range, int32_t length);
// Whole percent 0 to 100, rounded down; 0 for an empty range.
int32_t ProgressPercent(const ProgressRange& range);
// The percentage as printed: "%d%%".
std::wstring ProgressPercentText(int32_t percent);
