#include "toolkit/controls/BkIconWnd.h"

#include "toolkit/ValueFormat.h"

CBkIconWnd::~CBkIconWnd()
{
    DropIcon();
}

void CBkIconWnd::DropIcon()
{
    if (icon_ && !shared_)
        DestroyIcon(icon_);
    icon_ = nullptr;
    shared_ = false;
}

int32_t CBkIconWnd::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    int32_t* field = nullptr;
    if (name == "src") field = &src_;
    else if (name == "oem") field = &oem_;
    else if (name == "size") field = &size_;
    if (!field)
        return kAttrNotRecognised;
    *field = ParseDecimal(value);
    stale_ = true;
    return kAttrRepaint;
}

HICON CBkIconWnd::CurrentIcon()
{
    if (!stale_)
        return icon_;
    stale_ = false;
    DropIcon();
    if (src_ <= 0 || src_ > 0xFFFF)
        return nullptr;
    int side = size_ > 0 ? size_ : 0;
    HINSTANCE module = oem_ ? nullptr : GetModuleHandleW(nullptr);
    UINT flags = oem_ ? LR_SHARED : 0;
    if (side == 0)
        flags |= LR_DEFAULTSIZE;
    icon_ = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(src_), IMAGE_ICON, side, side, flags));
    shared_ = oem_ != 0;
    return icon_;
}

void CBkIconWnd::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    if (size_ > 0 && pos_.count != 4) {
        size->cx = size_;
        size->cy = size_;
        return;
    }
    CBkWindow::OnNcCalcSize(fromPlacement, size);
}

bool CBkIconWnd::RedrawRegion(HDC dc, HRGN region)
{
    if (!CBkWindow::RedrawRegion(dc, region))
        return false;
    if (HICON icon = CurrentIcon())
        DrawIconEx(dc, rect_.left, rect_.top, icon, rect_.right - rect_.left, rect_.bottom - rect_.top, 0, nullptr,
                   DI_NORMAL);
    return true;
}
