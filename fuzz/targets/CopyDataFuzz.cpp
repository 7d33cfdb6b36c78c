// WM_COPYDATA records as anything at all, read where the sender put them:
// an accepted record's text is its UTF-16 units up to the first zero or the
// end of the count, never beyond; only an oversized record is refused, and
// that leaves the text empty. Reading starts at an odd address too, since
// the sender's buffer need not be aligned.
#include <cstring>
#include <vector>

#include "app/CopyDataText.h"
#include "fuzz/FuzzCheck.h"

namespace {

void Check(const unsigned char* bytes, size_t size)
{
    std::wstring text = L"stale";
    const bool ok = DecodeCopyDataText(bytes, size, &text);
    if (!ok) {
        FUZZ_CHECK(text.empty() && size > 64 * 1024);
        return;
    }
    FUZZ_CHECK(2 * text.size() <= size);
    for (size_t i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(text[i] != L'\0');
        FUZZ_CHECK(static_cast<unsigned>(text[i]) == (static_cast<unsigned>(bytes[2 * i]) | static_cast<unsigned>(bytes[2 * i + 1]) << 8));
    }
    // It stopped at a zero or at the last whole unit.
    const size_t end = 2 * text.size();
    FUZZ_CHECK(end + 1 >= size || (bytes[end] == 0 && bytes[end + 1] == 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Check(data, size);
    // The same bytes at an odd address, still ending where the block ends.
    std::vector<unsigned char> shifted(size + 1);
    if (size)
        std::memcpy(shifted.data() + 1, data, size);
    Check(shifted.data() + 1, size);
    return 0;
}
