// "pos" values as anything at all: the item count is 0, 2 or 4, an
// unwritten list stays as it was, and resolving and placing in any span,
// empty or at the ends of the range, stays defined.
#include <limits>

#include "fuzz/FuzzCheck.h"
#include "toolkit/Placement.h"
#include "toolkit/PosGrammar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    PosList pos;
    pos.count = 3;  // no list has three: shows whether it was written
    const bool parsed = ParsePos(text, &pos);
    FUZZ_CHECK(parsed != text.empty());
    FUZZ_CHECK(parsed ? pos.count == 0 || pos.count == 2 || pos.count == 4 : pos.count == 3);
    if (!parsed)
        return 0;
    const int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
    for (int32_t start : {0, -200, kMax - 10, kMin})
        for (int32_t length : {0, 380, 10, kMax, -40}) {
            int32_t w = 0, h = 0, x = 0, y = 0;
            MeasureByPos(pos, length, length, &w, &h);
            ElementRect span{start, start, WrapAdd(start, length), WrapAdd(start, length)};
            ChildCorner(pos, span, &x, &y);
            for (uint32_t mode : {SizeFixed, SizeContent, SizeFull}) {
                PlacementInput in;
                in.x = x;
                in.y = y;
                in.cx = in.cy = length;
                in.measuredWidth = in.fixedWidth = w;
                in.measuredHeight = in.fixedHeight = h;
                in.layoutFlags = WithHeightMode(WithWidthMode(0, mode), mode);
                const ElementRect r = PlaceRect(in);
                FUZZ_CHECK(r.left == x && r.top == y);
            }
        }
    return 0;
}
