#include "toolkit/controls/BkProgress.h"

#include "toolkit/skins/SkinPool.h"

int32_t CBkProgress::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "bgskin" || name == "posskin") {
        (name == "bgskin" ? bgSkin_ : posSkin_) = value;
        return kAttrRepaint;
    }
    return SetRangeAttribute(name, value);
}

void CBkProgress::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    CBkWindow::OnNcCalcSize(fromPlacement, size);
    if (CBkSkinBase* skin = SkinPool::Instance().GetSkin(posSkin_)) {
        SIZE own = skin->GetSkinSize();
        if (own.cy != 0)
            size->cy = own.cy;
    }
}

void CBkProgress::PaintFrame(HDC dc)
{
    if (CBkSkinBase* skin = SkinPool::Instance().GetSkin(bgSkin_))
        skin->Draw(dc, rect_, static_cast<int32_t>(state_));
    else
        CBkPaintProgress::PaintFrame(dc);
}

RECT CBkProgress::FillSpan() const
{
    return SkinPool::Instance().GetSkin(posSkin_) ? rect_ : CBkPaintProgress::FillSpan();
}

void CBkProgress::PaintFilled(HDC dc, const RECT& filled)
{
    if (CBkSkinBase* skin = SkinPool::Instance().GetSkin(posSkin_))
        skin->Draw(dc, filled, static_cast<int32_t>(state_));
}
