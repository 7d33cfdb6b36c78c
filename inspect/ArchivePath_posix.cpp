#include "inspect/ArchivePath.h"

#include "platform/Text.h"

std::string ArchivePathBytes(const std::wstring& path)
{
    return WideToUtf8(path);
}
