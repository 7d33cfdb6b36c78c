#include "bench/BenchStats.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

namespace bench {

double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    size_t mid = samples.size() / 2;
    if (samples.size() % 2 == 1)
        return samples[mid];
    return (samples[mid - 1] + samples[mid]) / 2.0;
}

double ParseNumber(const std::wstring& text, double fallback)
{
    if (text.empty())
        return fallback;
    wchar_t* end = nullptr;
    double value = std::wcstod(text.c_str(), &end);
    return end && *end == L'\0' ? value : fallback;
}

int ParseCount(const std::wstring& text, int fallback)
{
    double value = ParseNumber(text, fallback);
    if (!(value >= 0 && value <= 1e9) || value != static_cast<double>(static_cast<long long>(value)))
        return -1;
    return static_cast<int>(value);
}

std::string Fixed(double value, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace bench
