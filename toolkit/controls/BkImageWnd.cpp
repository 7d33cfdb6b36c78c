#include "toolkit/controls/BkImageWnd.h"

#include "toolkit/ValueFormat.h"
#include "toolkit/skins/SkinPool.h"

int32_t CBkImageWnd::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "skin") {
        skinName_ = SkinPool::Instance().GetSkin(value) ? value : std::string();
        return kAttrApplied;
    }
    if (name == "sub") {
        sub_ = ParseDecimal(value);
        return kAttrRepaint;
    }
    return kAttrNotRecognised;
}

CBkSkinBase* CBkImageWnd::Skin() const
{
    return skinName_.empty() ? nullptr : SkinPool::Instance().GetSkin(skinName_);
}

void CBkImageWnd::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    CBkWindow::OnNcCalcSize(fromPlacement, size);
    if (CBkSkinBase* skin = Skin()) {
        SIZE own = skin->GetSkinSize();
        if (own.cx != 0)
            size->cx = own.cx;
        if (own.cy != 0)
            size->cy = own.cy;
    }
}

bool CBkImageWnd::RedrawRegion(HDC dc, HRGN region)
{
    if (!CBkWindow::RedrawRegion(dc, region))
        return false;
    if (CBkSkinBase* skin = Skin())
        skin->Draw(dc, rect_, FrameToDraw());
    return true;
}
