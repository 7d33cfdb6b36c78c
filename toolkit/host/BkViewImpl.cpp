#include "toolkit/host/BkViewImpl.h"

#include <commctrl.h>
#include <tinyxml.h>

#include <vector>

#include "platform/Text.h"
#include "toolkit/BkFontPool.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/XmlResource.h"
#include "toolkit/host/ElementNotify.h"
#include "toolkit/host/HostRules.h"
#include "toolkit/host/HostTooltip.h"

namespace {
const wchar_t kViewClass[] = L"BkViewWindow";

bool RegisterViewClass(WNDPROC proc)
{
    WNDCLASSEXW wc = {};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kViewClass, &wc))
        return true;
    wc.cbSize = sizeof(wc);
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kViewClass;
    return RegisterClassExW(&wc) != 0;
}

int32_t AttributeNumber(const TiXmlElement* xml, const char* name)
{
    const char* value = xml->Attribute(name);
    return value ? ParseDecimal(value) : 0;
}

// A layer part is loaded like a "dlg", then given its place in the window.
bool LoadPart(const TiXmlElement* layer, const char* name, CBkDialog* part, HWND host)
{
    const TiXmlElement* xml = layer->FirstChildElement(name);
    if (!xml)
        return false;
    part->SetContainer(host);
    part->Load(xml);
    char pos[48];
    int32_t height = AttributeNumber(xml, "height");
    if (std::string(name) == "header")
        HeaderPos(height, pos, sizeof(pos));
    else if (std::string(name) == "footer")
        FooterPos(height, pos, sizeof(pos));
    else
        lstrcpynA(pos, BodyPos(), sizeof(pos));
    part->SetAttribute("pos", pos, true);
    return true;
}

void SendDestroy(CBkWindow* element)
{
    LRESULT ignored = 0;
    element->ProcessMessage(element->Host(), WM_DESTROY, 0, 0, &ignored);
}

}  // namespace

CBkViewImpl::CBkViewImpl()
    : header_(std::make_unique<CBkDialog>()), body_(std::make_unique<CBkDialog>()), footer_(std::make_unique<CBkDialog>())
{
    style_ = kDefaultLayerStyle;
}

CBkViewImpl::~CBkViewImpl()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    ResetRoots();
}

void CBkViewImpl::ResetRoots()
{
    SendDestroy(header_.get());
    SendDestroy(body_.get());
    SendDestroy(footer_.get());
    hasHeader_ = hasBody_ = hasFooter_ = false;
}

HWND CBkViewImpl::Create(HWND parent, const RECT& rect)
{
    if (!RegisterViewClass(&CBkViewImpl::WindowProc))
        return nullptr;
    HWND hwnd = CreateWindowExW(0, kViewClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kViewControlId)), GetModuleHandleW(nullptr), this);
    if (!hwnd)
        return nullptr;
    header_->SetContainer(hwnd);
    body_->SetContainer(hwnd);
    footer_->SetContainer(hwnd);

    touch_ = std::make_unique<TouchInput>();
    touch_->Register(hwnd);
    return hwnd;
}

void CBkViewImpl::CreateTooltip()
{
    if (tooltip_ || !hwnd_)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip_) {
        TOOLINFOW ti = HostTool(hwnd_, tipText_.c_str());
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
        tipOn_ = true;
    }
}

bool CBkViewImpl::LoadLayer(unsigned resourceId)
{
    std::vector<char> buffer;
    if (!LoadXmlResource(resourceId, &buffer))
        return false;
    return LoadLayer(std::string(buffer.data()));
}

bool CBkViewImpl::LoadLayer(const std::string& text)
{
    loaded_ = false;
    style_ = kDefaultLayerStyle;
    exStyle_ = 0;
    resizable_ = false;
    ResetRoots();
    hover_ = pressed_ = 0;

    TiXmlDocument doc;
    if (!ParseXmlText(text.c_str(), &doc) || !doc.RootElement() || std::string(doc.RootElement()->Value()) != "layer") {
        RedrawAll();
        return false;
    }
    const TiXmlElement* layer = doc.RootElement();
    const char* title = layer->Attribute("title");
    title_ = title ? Utf8ToWide(title) : std::wstring();
    width_ = AttributeNumber(layer, "width");
    height_ = AttributeNumber(layer, "height");
    LayerStyles styles = ComputeLayerStyles(
        AttributeNumber(layer, "appwin"), AttributeNumber(layer, "resize"), AttributeNumber(layer, "noborder"));
    style_ = styles.style;
    exStyle_ = styles.exStyle;
    resizable_ = styles.resizable;

    hasHeader_ = LoadPart(layer, "header", header_.get(), hwnd_);
    hasFooter_ = LoadPart(layer, "footer", footer_.get(), hwnd_);
    hasBody_ = LoadPart(layer, "body", body_.get(), hwnd_);

    loaded_ = true;
    if (hwnd_)
        RelayoutAll();
    return true;
}

CBkWindow* CBkViewImpl::FindElement(int32_t id) const
{
    // 0 is "no id", not an id every unnamed element shares.
    if (id == 0)
        return nullptr;
    for (CBkDialog* part : {Header(), Body(), Footer()}) {
        if (!part)
            continue;
        if (CBkWindow* found = part->FindChildById(id))
            return found;
    }
    return nullptr;
}

bool CBkViewImpl::SetElementText(int32_t id, const std::wstring& text)
{
    CBkWindow* element = FindElement(id);
    if (!element)
        return false;
    InvalidateElement(element, true);
    element->SetText(text);
    element->FitToContent();
    InvalidateElement(element, true);
    return true;
}

bool CBkViewImpl::SetElementAttribute(int32_t id, const std::string& name, const std::string& utf8Value)
{
    CBkWindow* element = FindElement(id);
    if (!element)
        return false;
    InvalidateElement(element, true);
    element->SetAttribute(name, utf8Value, false);
    InvalidateElement(element, true);
    return true;
}

bool CBkViewImpl::SetElementAttribute(int32_t id, const std::string& name, const std::wstring& value)
{
    return SetElementAttribute(id, name, WideToUtf8(value));
}

bool CBkViewImpl::SetElementIntAttribute(int32_t id, const std::string& name, int32_t value)
{
    return SetElementAttribute(id, name, std::to_string(value));
}

bool CBkViewImpl::EnableElement(int32_t id, bool enable)
{
    CBkWindow* element = FindElement(id);
    if (!element)
        return false;
    if (enable)
        element->ModifyState(0, StateDisabled);
    else
        element->ModifyState(StateDisabled, StateHover);
    InvalidateElement(element, false);
    return true;
}

bool CBkViewImpl::ShowElement(int32_t id, bool show)
{
    CBkWindow* element = FindElement(id);
    if (!element)
        return false;
    LRESULT ignored = 0;
    element->ProcessMessage(hwnd_, WM_SHOWWINDOW, show ? TRUE : FALSE, 0, &ignored);
    InvalidateElement(element, false);
    return true;
}

void CBkViewImpl::AddDirtyRect(const RECT& rect)
{
    ScopedGdiObj<HRGN> piece(CreateRectRgnIndirect(&rect));
    if (!dirtyRegion_)
        dirtyRegion_.Reset(piece.Release());
    else
        CombineRgn(dirtyRegion_, dirtyRegion_, piece, RGN_OR);
    dirty_ = true;
}

void CBkViewImpl::InvalidateElement(CBkWindow* element, bool onlyIfVisible)
{
    if (!element || (onlyIfVisible && !element->IsVisible(true)))
        return;
    const RECT& rect = element->Rect();
    AddDirtyRect(rect);
    if (hwnd_)
        InvalidateRect(hwnd_, &rect, FALSE);
}

void CBkViewImpl::RedrawAll()
{
    dirty_ = true;
    fullRedraw_ = true;
    dirtyRegion_.Reset();
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, FALSE);
}

void CBkViewImpl::RelayoutAll()
{
    if (hwnd_) {
        RECT client = {};
        GetClientRect(hwnd_, &client);
        int32_t w = client.right, h = client.bottom;
        int32_t headerBottom = 0, footerHeight = 0;
        if (CBkDialog* header = Header()) {
            PlaceElement(header, 0, 0, w, h);
            headerBottom = header->Rect().bottom;
        }
        if (CBkDialog* footer = Footer()) {
            PlaceElement(footer, 0, 0, w, h);
            footerHeight = footer->Rect().bottom - footer->Rect().top;
        }
        PartSpans spans = ComputePartSpans(h, headerBottom, footerHeight);
        if (CBkDialog* footer = Footer())
            PlaceElement(footer, 0, spans.footerTop, w, footerHeight);
        if (CBkDialog* body = Body())
            PlaceElement(body, 0, spans.bodyTop, w, spans.bodyHeight);
    }
    RedrawAll();
}

void CBkViewImpl::ApplyRealWindowVisibility()
{
    for (CBkDialog* part : {Header(), Body(), Footer()}) {
        if (part)
            part->OnParentShowChanged(part->IsVisible(false));
    }
}

CBkWindow* CBkViewImpl::HitElement(int x, int y) const
{
    for (CBkDialog* part : {Header(), Body(), Footer()}) {
        if (!part)
            continue;
        if (ElementHandle hit = part->HitTest(x, y, 0))
            return ElementRegistry::Instance().Find(hit);
    }
    return nullptr;
}

void CBkViewImpl::ChangeState(CBkWindow* element, uint32_t add, uint32_t remove)
{
    uint32_t before = element->ModifyState(add, remove);
    if (before != element->State() && element->NeedsRedrawOnStateChange())
        InvalidateElement(element, false);
}

void CBkViewImpl::SendNotify(NMHDR* header)
{
    header->hwndFrom = hwnd_;
    header->idFrom = kViewControlId;
    SendMessageW(GetParent(hwnd_), WM_NOTIFY, kViewControlId, reinterpret_cast<LPARAM>(header));
}

void CBkViewImpl::SetTipText(const std::wstring& tip)
{
    if (!tooltip_)
        return;
    tipText_ = tip;
    SetHostToolText(tooltip_, hwnd_, tipText_.c_str());
    // An empty tip shows nothing.
    const bool on = !tip.empty();
    SendMessageW(tooltip_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
    // The tooltip starts its delay only on a move it sees while on; a tip
    // turned on under a pointer at rest would otherwise never show.
    POINT at = {};
    if (on && !tipOn_ && GetCursorPos(&at) && ScreenToClient(hwnd_, &at)) {
        MSG move = {hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y), static_cast<DWORD>(GetMessageTime()), at};
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    }
    tipOn_ = on;
}

void CBkViewImpl::OnSize()
{
    offscreen_.Reset();
    RECT client = {};
    GetClientRect(hwnd_, &client);
    if (client.right > 0 && client.bottom > 0) {
        HDC screen = GetDC(nullptr);
        offscreen_.Reset(CreateCompatibleBitmap(screen, client.right, client.bottom));
        ReleaseDC(nullptr, screen);
        if (offscreen_) {
            ScopedMemDC dc(nullptr);
            ScopedSelect select(dc, offscreen_.Get());
            FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    }
    RelayoutAll();
}

void CBkViewImpl::Render()
{
    if (fullRedraw_) {
        dirtyRegion_.Reset();
        fullRedraw_ = false;
    }
    if (!dirty_ || !offscreen_)
        return;
    ScopedMemDC dc(nullptr);
    ScopedSelect bitmap(dc, offscreen_.Get());
    HFONT font = BkFontPool::Instance().GetFont(0);
    ScopedSelect selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    if (dirtyRegion_)
        SelectClipRgn(dc, dirtyRegion_);
    for (CBkDialog* part : {Header(), Body(), Footer()}) {
        if (part)
            part->RedrawRegion(dc, dirtyRegion_.Get());
    }
    SelectClipRgn(dc, nullptr);
    dirtyRegion_.Reset();
    dirty_ = false;
}

void CBkViewImpl::OnPaint(HDC target)
{
    Render();
    if (!offscreen_)
        return;
    BITMAP info = {};
    GetObjectW(offscreen_, sizeof(info), &info);
    ScopedMemDC dc(nullptr);
    ScopedSelect bitmap(dc, offscreen_.Get());
    BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, dc, 0, 0, SRCCOPY);
}

bool CBkViewImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    switch (message) {
    case WM_SIZE:
        OnSize();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_PAINT: {
        // Areas invalidated by anyone else (an element, the system) are
        // painted again too, not only copied.
        ScopedGdiObj<HRGN> update(CreateRectRgn(0, 0, 0, 0));
        if (!fullRedraw_ && GetUpdateRgn(hwnd_, update, FALSE) > NULLREGION) {
            if (dirtyRegion_)
                CombineRgn(dirtyRegion_, dirtyRegion_, update, RGN_OR);
            else
                dirtyRegion_.Reset(update.Release());
            dirty_ = true;
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        OnPaint(dc);
        EndPaint(hwnd_, &ps);
        *result = 0;
        return true;
    }
    case WM_PRINT:
    case WM_PRINTCLIENT:
        OnPaint(reinterpret_cast<HDC>(wparam));
        *result = 0;
        return true;
    case kShowTipMessage: {
        const auto* tip = reinterpret_cast<const TipRequest*>(lparam);
        SetTipText(tip && tip->text ? tip->text : L"");
        *result = 0;
        return true;
    }
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lparam);
        if (header && header->code == NotifyInvalidate) {
            const ElementNotify* notify = reinterpret_cast<const ElementNotify*>(lparam);
            RECT rect = {notify->rect.left, notify->rect.top, notify->rect.right, notify->rect.bottom};
            AddDirtyRect(rect);
            InvalidateRect(hwnd_, &rect, FALSE);
            *result = 0;
            return true;
        }
        *result = SendMessageW(GetParent(hwnd_), message, wparam, lparam);
        return true;
    }
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        *result = SendMessageW(GetParent(hwnd_), message, wparam, lparam);
        return true;
    case WM_KILLFOCUS:
        *result = 0;
        return true;
    case WM_DESTROY:
        offscreen_.Reset();
        return false;
    default:
        return false;
    }
}

LRESULT CALLBACK CBkViewImpl::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        auto* self = static_cast<CBkViewImpl*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CBkViewImpl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wparam, lparam);
    LRESULT result = 0;
    if (self->HandleMessage(message, wparam, lparam, &result))
        return result;
    if (message == WM_NCDESTROY) {
        // The tree dies with the window; a new window loads the layer again.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->tooltip_ = nullptr;
        self->touch_.reset();
        self->ResetRoots();
        self->loaded_ = false;
        self->hover_ = self->pressed_ = 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}
