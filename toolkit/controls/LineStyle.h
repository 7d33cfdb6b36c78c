// "hr" pen styles by name; the numbers are the platform's pen styles.
#pragma once

#include <cstdint>
#include <string>

enum LinePenStyle : int32_t {
    LineSolid = 0,
    LineDash = 1,
    LineDot = 2,
    LineDashDot = 3,
    LineDashDotDot = 4,
};

// false (and style untouched) for a name that is not one of the five.
bool LinePenStyleFromName(const std::string& name, int32_t* style);
