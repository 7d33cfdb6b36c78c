// Small helpers shared by the bench programs: a monotonic stopwatch, the
// median of repeated samples and fixed-point formatting of the figures.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace bench {

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    void Restart() { start_ = std::chrono::steady_clock::now(); }
    double Ms() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

// Median of the samples (mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> samples);

// The whole text as a number; `fallback` when it is empty or not a number
// (command-line options of the bench programs).
double ParseNumber(const std::wstring& text, double fallback);

// The same for a count: -1 when the number is negative, fractional or beyond
// a billion, so the caller's range check refuses it.
int ParseCount(const std::wstring& text, int fallback);

// "12.34" with the given number of decimals.
std::string Fixed(double value, int decimals = 2);

}  // namespace bench
