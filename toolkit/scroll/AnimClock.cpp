#include "toolkit/scroll/AnimClock.h"

#include <chrono>

namespace {

uint32_t SystemTicks()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

AnimTickSource& Source()
{
    static AnimTickSource source = nullptr;
    return source;
}

}  // namespace

uint32_t AnimTickNow()
{
    AnimTickSource source = Source();
    return source ? source() : SystemTicks();
}

void SetAnimTickSource(AnimTickSource source)
{
    Source() = source;
}
