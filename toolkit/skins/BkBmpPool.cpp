#include "toolkit/skins/BkBmpPool.h"

BkBmpPool& BkBmpPool::Instance()
{
    // Never destroyed: skins hold the handles until the process ends.
    static BkBmpPool* pool = new BkBmpPool();
    return *pool;
}

HBITMAP BkBmpPool::GetBitmap(unsigned id)
{
    auto it = bitmaps_.find(id);
    if (it != bitmaps_.end())
        return it->second;
    // Resource ids are 16 bits; a larger number would name another id.
    if (id == 0 || id > 0xFFFF)
        return nullptr;
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    if (bitmap)
        bitmaps_[id] = bitmap;
    return bitmap;
}
