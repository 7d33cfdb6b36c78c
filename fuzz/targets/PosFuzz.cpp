// "pos" values as anything at all: the item count follows the commas, each
// item reads its own flags and number, and resolved coordinates stay in
// their span whenever the value asks for a point inside it.
#include <cstdint>
#include <limits>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "toolkit/Placement.h"
#include "toolkit/PosGrammar.h"
#include "toolkit/ValueFormat.h"

namespace {

struct Span {
    int32_t start;
    int32_t length;
};

// Ordinary windows, empty ones, and ones at the ends of the range.
const Span kSpans[] = {
    {0, 380}, {0, 0}, {15, 1}, {-200, 640}, {1000000, 3},
    {std::numeric_limits<int32_t>::max() - 10, 10}, {std::numeric_limits<int32_t>::min(), 100},
    {0, std::numeric_limits<int32_t>::max()}, {-5, -40},
};

void CheckItem(const std::string& piece, const PosItem& item)
{
    size_t i = 0;
    bool centre = i < piece.size() && piece[i] == '|';
    i += centre;
    bool far = i < piece.size() && piece[i] == '-';
    i += far;
    std::string number = piece.substr(i);
    if (!number.empty() && number[0] == '_')
        number[0] = '-';
    FUZZ_CHECK(item.centre == centre);
    FUZZ_CHECK(item.farEdge == far);
    FUZZ_CHECK(item.value == ParseDecimal(number));
}

// Where the item points, as a distance from the span's start, when that
// point lies inside the span; otherwise false.
bool Inside(const PosItem& item, int64_t length, int64_t* offset)
{
    int64_t v = item.value;
    int64_t o = item.centre ? (item.farEdge ? length / 2 - v : length / 2 + v) : (item.farEdge ? length - v : v);
    *offset = o;
    return length >= 0 && o >= 0 && o <= length;
}

void CheckResolve(const PosItem& item)
{
    for (const Span& s : kSpans) {
        int32_t r = ResolvePosItem(item, s.start, s.length);
        int64_t offset = 0;
        if (Inside(item, s.length, &offset) &&
            int64_t(s.start) + s.length <= std::numeric_limits<int32_t>::max()) {
            FUZZ_CHECK(r >= s.start && int64_t(r) <= int64_t(s.start) + s.length);
            FUZZ_CHECK(int64_t(r) - s.start == offset);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    PosList pos;
    pos.count = 3;  // no list has three: shows whether it was written
    if (!ParsePos(text, &pos)) {
        FUZZ_CHECK(text.empty());
        FUZZ_CHECK(pos.count == 3);
        return 0;
    }
    FUZZ_CHECK(!text.empty());

    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    const int expected = pieces.size() == 2 ? 2 : pieces.size() >= 4 ? 4 : 0;
    FUZZ_CHECK(pos.count == expected);
    for (int i = 0; i < 4; ++i) {
        if (i < pos.count) {
            CheckItem(pieces[i], pos.items[i]);
        } else {
            FUZZ_CHECK(!pos.items[i].centre && !pos.items[i].farEdge && pos.items[i].value == 0);
        }
        CheckResolve(pos.items[i]);
    }

    for (const Span& s : kSpans) {
        int32_t w = 0, h = 0;
        MeasureByPos(pos, s.length, s.length, &w, &h);
        FUZZ_CHECK(w == WrapSub(ResolvePosItem(pos.items[2], 0, s.length), ResolvePosItem(pos.items[0], 0, s.length)));
        ElementRect span{s.start, s.start, WrapAdd(s.start, s.length), WrapAdd(s.start, s.length)};
        int32_t x = 0, y = 0;
        ChildCorner(pos, span, &x, &y);
        if (pos.count == 0)
            FUZZ_CHECK(x == span.left && y == span.top);
        for (uint32_t mode : {SizeFixed, SizeContent, SizeFull}) {
            PlacementInput in;
            in.x = x;
            in.y = y;
            in.cx = s.length;
            in.cy = s.length;
            in.measuredWidth = w;
            in.measuredHeight = h;
            in.layoutFlags = WithHeightMode(WithWidthMode(0, mode), mode);
            in.fixedWidth = w;
            in.fixedHeight = h;
            ElementRect r = PlaceRect(in);
            FUZZ_CHECK(r.left == x && r.top == y);
            if (mode == SizeFull)
                FUZZ_CHECK(r.right >= r.left && r.bottom >= r.top);
            else
                FUZZ_CHECK(r.right == WrapAdd(x, w) && r.bottom == WrapAdd(y, h));
        }
    }
    return 0;
}
