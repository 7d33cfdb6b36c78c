#include "platform/FileBytes.h"

#include <cstdio>
#include <memory>

#include "platform/Text.h"

namespace {

using platform::ScopedFile;

bool WriteAll(ScopedFile f, const std::string& bytes)
{
    if (!f)
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        return false;
    return std::fclose(f.release()) == 0;
}

}  // namespace

namespace platform {

ScopedFile OpenFile(const std::wstring& path, const char* mode)
{
#ifdef _WIN32
    return ScopedFile(_wfopen(path.c_str(), Utf8ToWide(mode).c_str()));
#else
    return ScopedFile(std::fopen(WideToUtf8(path).c_str(), mode));
#endif
}

bool ReadFileBytes(const std::wstring& path, std::string* bytes, size_t limit)
{
    bytes->clear();
    ScopedFile f = OpenFile(path, "rb");
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

bool AppendFileBytes(const std::wstring& path, const std::string& bytes)
{
    return WriteAll(OpenFile(path, "ab"), bytes);
}

}  // namespace platform
