// WM_COPYDATA records as anything at all, read where the sender put them:
// an accepted record is a UTF-16 text with its terminator inside the given
// count, and a refused one leaves the text empty. Reading starts at an odd
// address too, since the sender's buffer need not be aligned.
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
        FUZZ_CHECK(text.empty());
        // Refused only when something is wrong with the record.
        bool terminated = false;
        for (size_t i = 0; i + 1 < size; i += 2)
            terminated = terminated || (bytes[i] == 0 && bytes[i + 1] == 0);
        FUZZ_CHECK(!bytes || size % 2 != 0 || !terminated || size > 64 * 1024);
        return;
    }
    FUZZ_CHECK(bytes && size >= 2 && size % 2 == 0);
    FUZZ_CHECK(CopyDataByteCount(text) <= size);
    for (size_t i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(text[i] != L'\0');
        FUZZ_CHECK(static_cast<unsigned>(text[i]) == (static_cast<unsigned>(bytes[2 * i]) | static_cast<unsigned>(bytes[2 * i + 1]) << 8));
    }
    FUZZ_CHECK(bytes[2 * text.size()] == 0 && bytes[2 * text.size() + 1] == 0);
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
