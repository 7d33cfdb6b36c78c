#include "inspect/ArchivePath.h"

unzFile OpenArchive(const std::wstring& path)
{
    if (path.empty() || path.find(L'\0') != std::wstring::npos)
        return nullptr;
    // UTF-8 is the file system's own encoding here.
    return unzOpen64(WideToUtf8(path).c_str());
}
