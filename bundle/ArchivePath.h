// How minizip opens a package archive by its wide path, in the platform's
// own path encoding, so paths with blanks and Chinese open on every target.
#pragma once

#include <unzip.h>

#include <string>

#include "platform/Text.h"

// The file functions minizip uses on this target, and the path in the form
// they take, for the reader that wraps them (ZipArchive).
struct NativeFileFunctions {
    zlib_filefunc64_def functions;
    std::string narrowPath;
    std::wstring widePath;
    const void* Path() const;
};
// False for an empty path or one holding a zero character (it would name
// another file).
bool FillNativeFileFunctions(const std::wstring& path, NativeFileFunctions* native);

// An entry name as the archive stores it: UTF-8, the encoding the inspection
// tool printed it in. Empty (which no entry has) when the name holds a zero
// character.
inline std::string ArchiveEntryName(const std::wstring& name)
{
    if (name.find(L'\0') != std::wstring::npos)
        return std::string();
    return WideToUtf8(name);
}
