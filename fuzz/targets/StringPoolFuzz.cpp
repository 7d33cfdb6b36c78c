// A resource string pool as anything at all: it is read or refused within
// its bounds, every index answers (out of range: empty), and a refused pool
// holds nothing.
#include "fuzz/FuzzCheck.h"
#include "resformat/StringPool.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes = fuzz::Bytes(data, size);
    res::StringPool pool;
    const bool read = pool.Read(res::Bytes(bytes));
    FUZZ_CHECK(read || pool.Count() == 0);
    for (std::uint32_t i = 0; i < pool.Count() + 2; ++i)
        FUZZ_CHECK(pool.At(i).size() <= bytes.size() * 3);
    FUZZ_CHECK(pool.At(res::kNoIndex).empty());
    return 0;
}
