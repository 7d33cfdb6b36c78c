#include "bundle/ArchivePath.h"

#include <iowin32.h>

bool FillNativeFileFunctions(const std::wstring& path, NativeFileFunctions* native)
{
    if (path.empty() || path.find(L'\0') != std::wstring::npos)
        return false;
    // The wide file functions: an ANSI code page would turn Chinese into '?'
    // on most systems and the package would not open.
    fill_win32_filefunc64W(&native->functions);
    native->widePath = path;
    return true;
}

const void* NativeFileFunctions::Path() const { return widePath.c_str(); }
