#include "toolkit/skins/BkImageSkin.h"

int32_t CBkImageSkin::SetAttribute(const std::string& name, const std::string& value, bool)
{
    return SetImageAttribute(name, value);
}

void CBkImageSkin::Draw(HDC dc, const RECT& rect, int32_t state)
{
    DrawImage(dc, rect.left, rect.top, state);
}

SIZE CBkImageSkin::GetSkinSize() const
{
    if (!Bitmap())
        return SIZE{subwidth, 0};
    return SIZE{subwidth != 0 ? subwidth : BitmapWidth(), BitmapHeight()};
}
