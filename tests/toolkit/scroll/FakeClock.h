// A tick counter the test moves by hand, installed for one test's life.
#pragma once

#include <cstdint>

#include "toolkit/scroll/AnimClock.h"

namespace scroll_test {

inline uint32_t& FakeNow()
{
    static uint32_t now = 0;
    return now;
}

class FakeClock {
public:
    explicit FakeClock(uint32_t start = 1000)
    {
        FakeNow() = start;
        SetAnimTickSource([] { return FakeNow(); });
    }
    ~FakeClock() { SetAnimTickSource(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void Set(uint32_t now) { FakeNow() = now; }
    void Advance(uint32_t ms) { FakeNow() += ms; }
};

}  // namespace scroll_test
