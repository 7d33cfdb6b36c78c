#include "platform/Files.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "platform/Text.h"

const wchar_t platform::kPathSeparator = L'/';
const wchar_t* const platform::kExeSuffix = L"";

std::wstring GetModuleDirectory()
{
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (n <= 0)
        return std::wstring();
    std::string path(buffer, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::wstring() : Utf8ToWide(path.substr(0, slash));
}

std::wstring GetModulePath()
{
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    return n <= 0 ? std::wstring() : Utf8ToWide(std::string(buffer, static_cast<size_t>(n)));
}

namespace platform {

namespace {
std::string Narrow(const std::wstring& path) { return WideToUtf8(path); }
}  // namespace

bool FileExists(const std::wstring& path)
{
    struct stat st;
    return stat(Narrow(path).c_str(), &st) == 0;
}

bool TempFolder(std::wstring* folder)
{
    const char* dir = std::getenv("TMPDIR");
    std::string path = (dir && *dir) ? dir : "/tmp";
    if (path.back() != '/')
        path += '/';
    *folder = Utf8ToWide(path);
    return true;
}

bool CreateTempFile(const std::wstring& folder, const std::wstring& prefix, std::wstring* path)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::random_device seed;
    std::mt19937 rng(seed());
    std::string base = Narrow(folder);
    if (!base.empty() && base.back() != '/')
        base += '/';
    base += Narrow(prefix);
    // Like GetTempFileNameW: four hex digits, created exclusively so two callers never share.
    for (int attempt = 0; attempt < 65536; ++attempt) {
        unsigned value = rng() & 0xFFFF;
        std::string name = base;
        for (int shift = 12; shift >= 0; shift -= 4)
            name += kHex[(value >> shift) & 0xF];
        name += ".tmp";
        int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            *path = Utf8ToWide(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool CopyFileOver(const std::wstring& from, const std::wstring& to)
{
    FILE* in = std::fopen(Narrow(from).c_str(), "rb");
    if (!in)
        return false;
    FILE* out = std::fopen(Narrow(to).c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buffer[65536];
    bool ok = true;
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        if (std::fwrite(buffer, 1, n, out) != n) {
            ok = false;
            break;
        }
    }
    ok = ok && !std::ferror(in);
    std::fclose(in);
    ok = (std::fclose(out) == 0) && ok;
    return ok;
}

bool LinkOrCopyNew(const std::wstring& from, const std::wstring& to)
{
    const std::string source = Narrow(from), target = Narrow(to);
    if (link(source.c_str(), target.c_str()) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // Reserve the name first so a copy never replaces someone's file.
    int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    close(fd);
    if (CopyFileOver(from, to))
        return true;
    unlink(target.c_str());
    return false;
}

bool RemoveFile(const std::wstring& path)
{
    return unlink(Narrow(path).c_str()) == 0;
}

bool FileByteCount(const std::wstring& path, long long* bytes)
{
    FILE* f = std::fopen(Narrow(path).c_str(), "rb");
    if (!f)
        return false;
    bool ok = fseeko(f, 0, SEEK_END) == 0;
    off_t pos = ok ? ftello(f) : -1;
    std::fclose(f);
    if (pos < 0)
        return false;
    *bytes = pos;
    return true;
}

}  // namespace platform
