#include "platform/FileBytes.h"

#include <cstdio>
#include <memory>

#include "platform/Text.h"

namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using ScopedFile = std::unique_ptr<FILE, FileCloser>;

ScopedFile Open(const std::wstring& path, bool write)
{
#ifdef _WIN32
    return ScopedFile(_wfopen(path.c_str(), write ? L"wb" : L"rb"));
#else
    return ScopedFile(std::fopen(WideToUtf8(path).c_str(), write ? "wb" : "rb"));
#endif
}

}  // namespace

namespace platform {

bool ReadFileBytes(const std::wstring& path, std::string* bytes, size_t limit)
{
    bytes->clear();
    ScopedFile f = Open(path, false);
    if (!f)
        return false;
    char chunk[64 * 1024];
    for (;;) {
        size_t n = std::fread(chunk, 1, sizeof chunk, f.get());
        if (n > limit - bytes->size())
            return false;
        bytes->append(chunk, n);
        if (n < sizeof chunk)
            return std::ferror(f.get()) == 0;
    }
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    ScopedFile f = Open(path, true);
    if (!f)
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        return false;
    return std::fclose(f.release()) == 0;
}

}  // namespace platform
