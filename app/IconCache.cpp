#include "app/IconCache.h"

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <atomic>

#include "toolkit/skins/BkPngPool.h"

namespace {

std::atomic<uint64_t> g_nextIconKey{1};

}  // namespace

AppItem::AppItem() : iconKey_(g_nextIconKey++) {}

SharedImage IconCache::Get(const AppItem& item)
{
    if (item.iconBytes.empty())
        return nullptr;
    for (auto it = recent_.begin(); it != recent_.end(); ++it) {
        if (it->first == item.IconKey()) {
            recent_.splice(recent_.begin(), recent_, it);
            return it->second;
        }
    }
    Gdiplus::GpImage* decoded =
        DecodeGdiplusImage(reinterpret_cast<const char*>(item.iconBytes.data()), item.iconBytes.size());
    if (!decoded)
        return nullptr;
    SharedImage image(decoded, [](Gdiplus::GpImage* p) { Gdiplus::DllExports::GdipDisposeImage(p); });
    recent_.emplace_front(item.IconKey(), image);
    if (recent_.size() > kCapacity)
        recent_.pop_back();
    return image;
}
