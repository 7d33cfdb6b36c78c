#include "toolkit/BkWindow.h"

#include <tinyxml.h>

#include "platform/ScopedWin.h"
#include "platform/Text.h"
#include "toolkit/BkContainerWnd.h"
#include "toolkit/BkFontPool.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/Placement.h"
#include "toolkit/StringSubst.h"
#include "toolkit/StylePool.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/host/ElementNotify.h"

namespace {
// DT_CENTER, DT_RIGHT, DT_VCENTER, DT_BOTTOM: meaningless when measuring.
const UINT kAlignmentBits = 0xF;
}  // namespace

ElementRect ToElementRect(const RECT& r)
{
    return ElementRect{r.left, r.top, r.right, r.bottom};
}

RECT ToRect(const ElementRect& r)
{
    return RECT{r.left, r.top, r.right, r.bottom};
}

void PlaceElement(CBkWindow* element, int x, int y, int cx, int cy)
{
    WINDOWPOS wp = {};
    wp.hwnd = element->Host();
    wp.x = x;
    wp.y = y;
    wp.cx = cx;
    wp.cy = cy;
    wp.flags = SWP_SHOWWINDOW;
    LRESULT ignored = 0;
    element->ProcessMessage(element->Host(), WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp), &ignored);
}

CBkWindow::CBkWindow()
{
    handle_ = ElementRegistry::Instance().Register(this);
}

CBkWindow::~CBkWindow()
{
    ElementRegistry::Instance().Unregister(handle_);
}

CBkWindow* CBkWindow::GetParent() const
{
    return parent_ ? ElementRegistry::Instance().Find(parent_) : nullptr;
}

CBkContainerWnd* CBkWindow::ParentContainer() const
{
    CBkWindow* parent = GetParent();
    return parent && parent->IsContainer() ? static_cast<CBkContainerWnd*>(parent) : nullptr;
}

bool CBkWindow::Load(const TiXmlElement* xml)
{
    if (!xml)
        return false;
    const char* body = xml->GetText();
    text_ = SubstituteStringTokens(body ? Utf8ToWide(body) : std::wstring());

    layoutFlags_ = 0;
    ApplyXmlAttributes(this, xml, true);

    if (const char* show = xml->Attribute("show"))
        SetVisible(ParseDecimal(show) != 0);

    if (pos_.count == 2 || pos_.count == 4)
        return true;

    const char* width = xml->Attribute("width");
    const char* height = xml->Attribute("height");
    uint32_t widthMode = SizeModeFromAttribute(width != nullptr, width ? width : "", &fixedWidth_);
    uint32_t heightMode = SizeModeFromAttribute(height != nullptr, height ? height : "", &fixedHeight_);
    layoutFlags_ = WithHeightMode(WithWidthMode(layoutFlags_, widthMode), heightMode);

    FitToContent();

    const char* floating = xml->Attribute("float");
    layoutFlags_ |= (floating && ParseDecimal(floating) != 0) ? kLayoutFloating : kLayoutNotFloating;
    return true;
}

int32_t CBkWindow::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    if (name == "class") {
        style_ = StylePool::Instance().GetStyle(value);
        return kAttrApplied;
    }
    if (name == "id") {
        id_ = ParseDecimal(value);
        return kAttrRepaint;
    }
    if (name == "crbg" || name == "crtext") {
        (name == "crbg" ? style_.crbg : style_.crtext) = ParseColour(value);
        return kAttrRepaint;
    }
    if (name == "font") {
        style_.font.set = true;
        style_.font.code = ParseFontCode(value);
        return kAttrRepaint;
    }
    if (name == "href" || name == "tip") {
        (name == "href" ? href_ : tip_) = Utf8ToWide(value);
        return kAttrRepaint;
    }
    if (name == "valign") {
        if (value == "top") valign_ = kValignTop;
        else if (value == "middle") valign_ = kValignMiddle;
        else if (value == "bottom") valign_ = kValignBottom;
        else return kAttrNotRecognised;
        return kAttrApplied;
    }
    if (name == "align") {
        if (value == "left") align_ = kAlignLeft;
        else if (value == "center") align_ = kAlignCenter;
        else if (value == "right") align_ = kAlignRight;
        else return kAttrNotRecognised;
        return kAttrApplied;
    }
    if (name == "pos") {
        if (ParsePos(value, &pos_) && pos_.count != 0)
            layoutFlags_ = WithHeightMode(WithWidthMode(layoutFlags_, SizeContent), SizeContent);
        if (!loading) {
            if (CBkContainerWnd* parent = ParentContainer())
                parent->RepositionChild(this);
        }
        return kAttrRepaint;
    }
    if (name == "transparent") {
        transparent_ = ParseDecimal(value);
        return kAttrRepaint;
    }
    return kAttrNotRecognised;
}

void CBkWindow::OnParentShowChanged(bool) {}

void CBkWindow::OnHostEvent(UINT, LPARAM) {}

BOOL CBkWindow::OnSetCursor()
{
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(style_.cursor)));
    return TRUE;
}

uint32_t CBkWindow::ModifyState(uint32_t add, uint32_t remove)
{
    uint32_t previous = state_;
    state_ |= add;
    state_ &= ~remove;
    return previous;
}

void CBkWindow::SetContainer(HWND host)
{
    host_ = host;
}

ElementHandle CBkWindow::HitTest(int x, int y, UINT)
{
    return ToElementRect(rect_).Contains(x, y) ? handle_ : 0;
}

bool CBkWindow::NeedsRedrawOnStateChange()
{
    if (!style_.skin.empty() && SkinDependsOnState(style_.skin))
        return true;
    return ColourIsSet(style_.crbghover) || style_.hoverfont.set || ColourIsSet(style_.crhover);
}

void CBkWindow::SetVisible(bool visible)
{
    if (visible)
        state_ &= ~StateHidden;
    else
        state_ |= StateHidden;
}

bool CBkWindow::IsVisible(bool withAncestors) const
{
    for (const CBkWindow* w = this; w; w = withAncestors ? w->GetParent() : nullptr) {
        if (w->state_ & StateHidden)
            return false;
    }
    return true;
}

bool CBkWindow::IsDisabled(bool withAncestors) const
{
    for (const CBkWindow* w = this; w; w = withAncestors ? w->GetParent() : nullptr) {
        if (w->state_ & StateDisabled)
            return true;
    }
    return false;
}

HFONT CBkWindow::ResolveFont() const
{
    BkFontPool& pool = BkFontPool::Instance();
    HFONT font = nullptr;
    for (const CBkWindow* w = this; w && !font; w = w->GetParent()) {
        if (w->style_.font.set)
            font = pool.GetFont(w->style_.font.code);
    }
    if (!font)
        font = pool.GetFont(0);
    if (state_ & StateHover) {
        for (const CBkWindow* w = this; w; w = w->GetParent()) {
            if (w->style_.hoverfont.set) {
                if (HFONT hover = pool.GetFont(w->style_.hoverfont.code))
                    font = hover;
                break;
            }
        }
    }
    return font;
}

SIZE CBkWindow::MeasureText(const RECT& box) const
{
    SIZE size = {0, 0};
    if (!text_.empty()) {
        ScopedMemDC dc(nullptr);
        HFONT font = ResolveFont();
        ScopedSelect select(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        RECT rc = ToRect(ShrinkRect(ToElementRect(box), style_.xMargin, style_.yMargin));
        UINT format = (style_.textmode & ~kAlignmentBits) | DT_CALCRECT;
        if (style_.textmode & DT_WORDBREAK)
            rc.bottom = 32767;
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &rc, format);
        size.cx = rc.right - rc.left;
        size.cy = rc.bottom - rc.top;
    }
    size.cx = WrapAdd(size.cx, WrapAdd(style_.xMargin, style_.xMargin));
    size.cy = WrapAdd(size.cy, WrapAdd(style_.yMargin, style_.yMargin));
    return size;
}

void CBkWindow::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    if (pos_.count == 4) {
        int32_t w = 0, h = 0;
        MeasureByPos(pos_, size->cx, size->cy, &w, &h);
        size->cx = w;
        size->cy = h;
        return;
    }
    RECT box = rect_;
    if (fromPlacement) {
        box.right = WrapAdd(box.left, size->cx);
        box.bottom = WrapAdd(box.top, size->cy);
    }
    *size = MeasureText(box);
}

void CBkWindow::FitToContent()
{
    bool width = WidthMode(layoutFlags_) == SizeContent;
    bool height = HeightMode(layoutFlags_) == SizeContent;
    if (pos_.count == 4 || (!width && !height))
        return;
    SIZE size = {0, 0};
    LRESULT ignored = 0;
    ProcessMessage(host_, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&size), &ignored);
    if (width)
        rect_.right = WrapAdd(rect_.left, size.cx);
    if (height)
        rect_.bottom = WrapAdd(rect_.top, size.cy);
}

void CBkWindow::OnWindowPosChanged(const WINDOWPOS* wp)
{
    if (!wp)
        return;
    int32_t width = ToElementRect(rect_).Width(), height = ToElementRect(rect_).Height();
    rect_ = RECT{wp->x, wp->y, WrapAdd(wp->x, width), WrapAdd(wp->y, height)};
    SIZE size = {wp->cx, wp->cy};
    LRESULT ignored = 0;
    ProcessMessage(host_, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&size), &ignored);
    PlacementInput in;
    in.x = wp->x;
    in.y = wp->y;
    in.cx = wp->cx;
    in.cy = wp->cy;
    in.measuredWidth = size.cx;
    in.measuredHeight = size.cy;
    in.layoutFlags = layoutFlags_;
    in.fixedWidth = fixedWidth_;
    in.fixedHeight = fixedHeight_;
    rect_ = ToRect(PlaceRect(in));
}

void CBkWindow::OnShowWindow(BOOL show)
{
    SetVisible(show != FALSE);
}

void SendElement(CBkWindow* element, HWND host, UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT ignored = 0;
    element->ProcessMessage(host, message, wparam, lparam, &ignored);
}

void CBkWindow::RedrawThroughView() const
{
    if (host_ && IsWindow(host_))
        SendElementNotify(host_, RectEvent(host_, kViewControlId, NotifyInvalidate, static_cast<uint32_t>(id_), rect_));
}

void CBkWindow::PaintBackground(HDC dc)
{
    if (style_.skin.empty()) {
        uint32_t colour = style_.crbg;
        if ((state_ & StateHover) && ColourIsSet(style_.crbghover))
            colour = style_.crbghover;
        if (ColourIsSet(colour)) {
            ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(colour));
            FillRect(dc, &rect_, brush);
        }
        return;
    }
    DrawSkinByName(dc, style_.skin, rect_, state_);
}

void CBkWindow::SelectStyleFont(HDC dc) const
{
    if (style_.font.set) {
        if (HFONT font = BkFontPool::Instance().GetFont(style_.font.code))
            SelectObject(dc, font);
    }
    if (ColourIsSet(style_.crtext))
        SetTextColor(dc, style_.crtext);
}

void CBkWindow::SelectStateFont(HDC dc) const
{
    SelectStyleFont(dc);
    if (IsDisabled(true)) {
        if (ColourIsSet(style_.crdisabled))
            SetTextColor(dc, style_.crdisabled);
        return;
    }
    if (!(state_ & StateHover))
        return;
    if (style_.hoverfont.set) {
        if (HFONT font = BkFontPool::Instance().GetFont(style_.hoverfont.code))
            SelectObject(dc, font);
    }
    if (ColourIsSet(style_.crhover))
        SetTextColor(dc, style_.crhover);
}

void CBkWindow::OnPaint(HDC dc)
{
    ScopedSaveDC saved(dc);
    RECT rc = ToRect(ShrinkRect(ToElementRect(rect_), style_.xMargin, style_.yMargin));
    SelectStateFont(dc);
    if (!text_.empty())
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &rc, style_.textmode);
}

bool CBkWindow::RedrawRegion(HDC dc, HRGN region)
{
    if (region && !RectInRegion(region, &rect_))
        return false;
    PaintBackground(dc);
    LRESULT ignored = 0;
    ProcessMessage(host_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, &ignored);
    return true;
}

BOOL CBkWindow::ProcessMessage(HWND, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    handled_ = true;
    switch (message) {
    case WM_CREATE: OnCreate(); break;
    case WM_PAINT: OnPaint(reinterpret_cast<HDC>(wparam)); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(reinterpret_cast<const WINDOWPOS*>(lparam)); break;
    case WM_NCCALCSIZE:
        if (lparam)
            OnNcCalcSize(static_cast<BOOL>(wparam), reinterpret_cast<SIZE*>(lparam));
        break;
    case WM_SHOWWINDOW: OnShowWindow(static_cast<BOOL>(wparam)); break;
    default: handled_ = false; break;
    }
    if (result)
        *result = 0;
    return handled_ ? TRUE : FALSE;
}
