#include "bundle/ArchivePath.h"

bool FillNativeFileFunctions(const std::wstring& path, NativeFileFunctions* native)
{
    if (path.empty() || path.find(L'\0') != std::wstring::npos)
        return false;
    // UTF-8 is the file system's own encoding here.
    fill_fopen64_filefunc(&native->functions);
    native->narrowPath = WideToUtf8(path);
    return true;
}

const void* NativeFileFunctions::Path() const { return narrowPath.c_str(); }
