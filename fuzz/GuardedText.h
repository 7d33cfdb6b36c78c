// A zero-terminated text whose terminator is the last readable byte before
// an inaccessible page. Parsers from system libraries are not instrumented
// by the sanitizers; this way a read past the terminator still faults, at
// once and on every run, instead of reading whatever lies behind the text.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "fuzz/FuzzCheck.h"

namespace fuzz {

class GuardedText {
public:
    explicit GuardedText(const std::string& text)
    {
        const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        const size_t needed = text.size() + 1;
        pages_ = ((needed + page - 1) / page + 1) * page;
        void* block = mmap(nullptr, pages_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        FUZZ_CHECK(block != MAP_FAILED);
        block_ = static_cast<char*>(block);
        FUZZ_CHECK(mprotect(block_ + pages_ - page, page, PROT_NONE) == 0);
        text_ = block_ + pages_ - page - needed;
        std::memcpy(text_, text.c_str(), needed);
    }
    ~GuardedText() { munmap(block_, pages_); }
    GuardedText(const GuardedText&) = delete;
    GuardedText& operator=(const GuardedText&) = delete;

    const char* c_str() const { return text_; }

private:
    char* block_ = nullptr;
    char* text_ = nullptr;
    size_t pages_ = 0;
};

}  // namespace fuzz
