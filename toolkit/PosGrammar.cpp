#include "toolkit/PosGrammar.h"

#include "toolkit/ValueFormat.h"

PosItem ParsePosItem(const std::string& item)
{
    PosItem result;
    size_t i = 0;
    if (i < item.size() && item[i] == '|') {
        result.centre = true;
        ++i;
    }
    if (i < item.size() && item[i] == '-') {
        result.farEdge = true;
        ++i;
    }
    std::string number = item.substr(i);
    if (!number.empty() && number[0] == '_')
        number[0] = '-';
    result.value = ParseDecimal(number);
    return result;
}

bool ParsePos(const std::string& text, PosList* pos)
{
    if (text.empty())
        return false;
    PosList parsed;
    size_t start = 0;
    int count = 0;
    while (count < 4) {
        size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        parsed.items[count++] = ParsePosItem(item);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (count != 2 && count != 4)
        parsed = PosList();
    else
        parsed.count = count;
    *pos = parsed;
    return true;
}

int32_t ResolvePosItem(const PosItem& item, int32_t start, int32_t length)
{
    // 64-bit sums keep absurd values from overflowing; the result wraps back.
    int64_t s = start, n = length, v = item.value;
    int64_t r;
    if (item.centre)
        r = item.farEdge ? s + n / 2 - v : s + n / 2 + v;
    else if (item.farEdge)
        r = s + n - v;
    else
        r = s + v;
    return static_cast<int32_t>(static_cast<uint32_t>(r));
}
