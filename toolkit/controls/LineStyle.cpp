#include "toolkit/controls/LineStyle.h"

bool LinePenStyleFromName(const std::string& name, int32_t* style)
{
    static const struct {
        const char* name;
        LinePenStyle style;
    } kStyles[] = {
        {"solid", LineSolid}, {"dash", LineDash}, {"dot", LineDot},
        {"dashdot", LineDashDot}, {"dashdotdot", LineDashDotDot},
    };
    for (const auto& s : kStyles) {
        if (name == s.name) {
            *style = s.style;
            return true;
        }
    }
    return false;
}
