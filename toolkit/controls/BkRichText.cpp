#include "toolkit/controls/BkRichText.h"

#include "platform/ScopedWin.h"
#include "toolkit/BkFontPool.h"
#include "toolkit/Placement.h"
#include "toolkit/StylePool.h"
#include "toolkit/host/ElementNotify.h"

namespace {
// Font-code bits of the inline formats.
const uint16_t kItalicBit = 0x0001;
const uint16_t kUnderlineBit = 0x0002;
const uint16_t kBoldBit = 0x0004;
}  // namespace

bool CBkRichText::Load(const TiXmlElement* xml)
{
    runs_ = ParseRichText(xml);
    return CBkWindow::Load(xml);
}

int32_t CBkRichText::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "defaultfont") {
        defaultFontSet_ = true;
        defaultFont_ = ParseFontCode(value);
        return kAttrRepaint;
    }
    if (name == "linkclass") {
        linkClass_ = value;
        return kAttrRepaint;
    }
    return kAttrNotRecognised;
}

FontCode CBkRichText::FontCodeFor(const RichFormat& format) const
{
    FontCode code = defaultFontSet_ ? defaultFont_ : (style_.font.set ? style_.font.code : 0);
    if (format.link && !linkClass_.empty()) {
        BkStyle link = StylePool::Instance().GetStyle(linkClass_);
        if (link.font.set)
            code = link.font.code;
    }
    if (format.bold) code |= kBoldBit;
    if (format.italic) code |= kItalicBit;
    if (format.underline) code |= kUnderlineBit;
    return code;
}

std::vector<RichPiece> CBkRichText::LayoutFor(HDC dc, int32_t width) const
{
    BkFontPool& pool = BkFontPool::Instance();
    RichMeasure measure = [&](const RichRun& run, const std::wstring& text, int32_t* w, int32_t* h) {
        HFONT font = pool.GetFont(FontCodeFor(run.format));
        ScopedSelect select(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        SIZE size = {0, 0};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        *w = size.cx;
        *h = size.cy > metrics.tmHeight ? size.cy : metrics.tmHeight;
    };
    return LayoutRichText(runs_, width, measure);
}

RECT CBkRichText::TextBox() const
{
    return ToRect(ShrinkRect(ToElementRect(rect_), style_.xMargin, style_.yMargin));
}

std::vector<RichPiece> CBkRichText::Layout() const
{
    ScopedMemDC dc(nullptr);
    RECT box = TextBox();
    return LayoutFor(dc, box.right - box.left);
}

int32_t CBkRichText::LinkAt(int x, int y) const
{
    RECT box = TextBox();
    return RichLinkAt(runs_, Layout(), x - box.left, y - box.top);
}

void CBkRichText::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    if (pos_.count == 4) {
        CBkWindow::OnNcCalcSize(fromPlacement, size);
        return;
    }
    // Unwrapped unless placement offers a width.
    int32_t width = fromPlacement && size->cx > 0 ? size->cx - 2 * style_.xMargin : INT32_MAX;
    ScopedMemDC dc(nullptr);
    int32_t right = 0, bottom = 0;
    for (const RichPiece& p : LayoutFor(dc, width)) {
        right = p.rect.right > right ? p.rect.right : right;
        bottom = p.rect.bottom > bottom ? p.rect.bottom : bottom;
    }
    size->cx = WrapAdd(right, 2 * style_.xMargin);
    size->cy = WrapAdd(bottom, 2 * style_.yMargin);
}

void CBkRichText::OnPaint(HDC dc)
{
    ScopedSaveDC saved(dc);
    RECT box = TextBox();
    BkStyle link;
    if (!linkClass_.empty())
        link = StylePool::Instance().GetStyle(linkClass_);
    uint32_t plain = ColourIsSet(style_.crtext) ? style_.crtext : GetTextColor(dc);
    BkFontPool& pool = BkFontPool::Instance();
    for (const RichPiece& p : LayoutFor(dc, box.right - box.left)) {
        const RichFormat& format = runs_[p.run].format;
        uint32_t colour = plain;
        if (format.link && ColourIsSet(link.crtext))
            colour = link.crtext;
        if (ColourIsSet(format.colour))
            colour = format.colour;
        SetTextColor(dc, colour);
        if (HFONT font = pool.GetFont(FontCodeFor(format)))
            SelectObject(dc, font);
        RECT rc = {box.left + p.rect.left, box.top + p.rect.top, box.left + p.rect.right, box.top + p.rect.bottom};
        DrawTextW(dc, p.text.c_str(), static_cast<int>(p.text.size()), &rc, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
}

BOOL CBkRichText::ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    if (message != WM_LBUTTONUP)
        return CBkWindow::ProcessMessage(host, message, wparam, lparam, result);
    handled_ = true;
    if (result)
        *result = 0;
    int32_t id = LinkAt(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
    if (id != 0 && host_) {
        SendElementNotify(host_, ElementEvent(host_, kViewControlId, NotifyClick, static_cast<uint32_t>(id),
                                              GetClassName()));
    }
    return TRUE;
}
