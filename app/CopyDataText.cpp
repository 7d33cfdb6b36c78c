#include "app/CopyDataText.h"

#include <cstdint>
#include <cstring>

namespace {

// No command line comes near this; refuse anything larger unread.
constexpr std::size_t kMaxBytes = 64 * 1024;

}  // namespace

bool DecodeCopyDataText(const void* data, std::size_t byteCount, std::wstring* text)
{
    text->clear();
    if ((!data && byteCount > 0) || byteCount > kMaxBytes)
        return false;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < byteCount / 2; ++i) {
        // Byte-wise: the sender's buffer need not be aligned for 16-bit reads.
        std::uint16_t unit = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (unit == 0)
            break;
        text->push_back(static_cast<wchar_t>(unit));
    }
    return true;
}

std::size_t CopyDataByteCount(const std::wstring& commandLine)
{
    return commandLine.size() * 2 + 2;
}
