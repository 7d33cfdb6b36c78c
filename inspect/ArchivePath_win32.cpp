#include "inspect/ArchivePath.h"

#include <iowin32.h>

unzFile OpenArchive(const std::wstring& path)
{
    if (path.empty() || path.find(L'\0') != std::wstring::npos)
        return nullptr;
    // The wide file functions: an ANSI code page would turn Chinese into '?'
    // on most systems and the package would not open.
    zlib_filefunc64_def files;
    fill_win32_filefunc64W(&files);
    return unzOpen2_64(path.c_str(), &files);
}
