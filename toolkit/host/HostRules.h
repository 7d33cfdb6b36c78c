// The host's decisions that need no window: notification codes, the
// drag bands, which element kinds keep a press or a double click for
// themselves, the layer's window styles, keys that act as commands and the
// geometry of a maximised borderless window.
#pragma once

#include <cstdint>

enum ElementNotifyCode : uint32_t {
    NotifyClick = 1,
    NotifyRealWndMoved = 2,
    NotifyMouseEnter = 3,
    NotifyMouseLeave = 4,
    NotifyTabChange = 5,
    NotifyDoubleClick = 6,
    // From a child window of the view: redraw the rectangle it carries.
    NotifyInvalidate = 1000,
};

constexpr int kViewControlId = 1000;

// The view reflects its child windows' colour questions (WM_CTLCOLOREDIT,
// WM_CTLCOLORSTATIC) to the child that asks, as this base plus the message.
constexpr uint32_t kReflectBase = 0x0400 + 0x1C00;  // WM_USER + 0x1C00

// A press this high (or this low) on the background moves the window.
constexpr int kCaptionBandBottom = 40;
constexpr int kBottomBandTop = 630;

bool InDragBand(int y);
// "button", "imgbtn", "link" and "tabctrl" keep a press in the band.
bool TagKeepsPress(const char* tag);
// "button", "imgbtn" and "link" keep a double click on the header.
bool TagKeepsDoubleClick(const char* tag);

// Styles of the top-level window as the "layer" attributes give them.
constexpr uint32_t kDefaultLayerStyle = 0x80080000;  // WS_POPUP | WS_SYSMENU
constexpr uint32_t kResizeStyleBits = 0x70000;       // maximise box, minimise box, sizing frame
constexpr uint32_t kAppWindowExStyle = 0x40000;      // WS_EX_APPWINDOW
constexpr uint32_t kNoBorderExStyle = 0x88;          // WS_EX_TOPMOST | WS_EX_TOOLWINDOW
constexpr uint32_t kBorderExStyle = 0x300;           // WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE

struct LayerStyles {
    uint32_t style = kDefaultLayerStyle;
    uint32_t exStyle = 0;
    bool resizable = false;
};
LayerStyles ComputeLayerStyles(int32_t appwin, int32_t resize, int32_t noborder);

// WM_KEYDOWN on the top-level window: 1 (IDOK) for Enter, 2 (IDCANCEL) for
// Escape, 0 for anything else, with Control held or while disabled.
int KeyCommand(uint32_t key, bool controlHeld, bool windowEnabled);

// The system command of a double click on the header background: 0 when
// the layer does not resize, else restore when maximised, maximise if not.
constexpr uint32_t kScMove = 0xF012;  // SC_MOVE with the caption hit code
constexpr uint32_t kScMaximize = 0xF030;
constexpr uint32_t kScRestore = 0xF120;
uint32_t DoubleClickCommand(bool resizable, bool maximized);

struct HostRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};
// WM_GETMINMAXINFO: the frame line falls just outside the work area.
struct MaximizedGeometry {
    int32_t x = 0, y = 0, width = 0, height = 0;
};
MaximizedGeometry ComputeMaximized(const HostRect& monitor, const HostRect& work);

// Vertical spans of header, footer and body in a client area of the given
// height; the footer is first measured, then put at the bottom.
struct PartSpans {
    int32_t bodyTop = 0, bodyHeight = 0;
    int32_t footerTop = 0;
};
PartSpans ComputePartSpans(int32_t clientHeight, int32_t headerBottom, int32_t footerHeight);

// "0,0,-0,H" for the header, "0,-H,-0,-0" for the footer.
const char* BodyPos();
void HeaderPos(int32_t height, char* out, int size);
void FooterPos(int32_t height, char* out, int size);
