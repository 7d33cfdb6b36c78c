// Style documents as anything at all: the default style always exists, a
// document that does not load leaves only it, and every value read stays
// in its range.
#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/StylePool.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StylePool pool;
    const bool loaded = pool.LoadDocument(fuzz::GuardedText(fuzz::ZeroTerminated(data, size)).c_str());
    FUZZ_CHECK(pool.Has(""));
    if (!loaded)
        FUZZ_CHECK(pool.Count() == 1);
    const BkStyle& s = pool.GetStyle("");
    for (uint32_t c : {s.crbg, s.crbghover, s.crtext, s.crhover, s.crdisabled})
        FUZZ_CHECK(c == kInvalidColour || (c & 0xFF000000u) == 0);
    FUZZ_CHECK(s.cursor == kCursorArrow || s.cursor == kCursorHand);
    return 0;
}
