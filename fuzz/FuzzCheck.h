// What every fuzz target shares: the invariant check that ends the run on a
// violation (libFuzzer then saves the input), and the ways
// the raw input bytes become the texts the product reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Text.h"

// abort() rather than a return code: a violated invariant must be kept
// apart from a crash by its message only, and saved the same way.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzz::Fail(#condition, __FILE__, __LINE__);                                            \
    } while (0)

namespace fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", what, file, line);
    std::fflush(stderr);
    std::abort();
}

inline std::string Bytes(const uint8_t* data, size_t size)
{
    return size ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
}

// Console tools print UTF-8; the product decodes their output this way.
inline std::wstring ConsoleText(const uint8_t* data, size_t size)
{
    return Utf8ToWide(Bytes(data, size));
}

// XML resources and attribute values are zero-terminated byte texts: a
// zero byte in the input ends them there.
inline std::string ZeroTerminated(const uint8_t* data, size_t size)
{
    std::string s = Bytes(data, size);
    size_t zero = s.find('\0');
    return zero == std::string::npos ? s : s.substr(0, zero);
}

inline bool Contains(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
