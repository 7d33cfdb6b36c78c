#include "toolkit/host/HostRules.h"

#include <cstdio>
#include <cstring>

#include "toolkit/ElementTypes.h"

namespace {
bool TagIs(const char* tag, const char* name)
{
    return tag && std::strcmp(tag, name) == 0;
}
}  // namespace

bool InDragBand(int y)
{
    return y <= kCaptionBandBottom || y >= kBottomBandTop;
}

bool TagKeepsPress(const char* tag)
{
    return TagKeepsDoubleClick(tag) || TagIs(tag, "tabctrl");
}

bool TagKeepsDoubleClick(const char* tag)
{
    return TagIs(tag, "button") || TagIs(tag, "imgbtn") || TagIs(tag, "link");
}

LayerStyles ComputeLayerStyles(int32_t appwin, int32_t resize, int32_t noborder)
{
    LayerStyles s;
    if (appwin != 0)
        s.exStyle |= kAppWindowExStyle;
    if (resize != 0) {
        s.style |= kResizeStyleBits;
        s.resizable = true;
    }
    s.exStyle |= noborder != 0 ? kNoBorderExStyle : kBorderExStyle;
    return s;
}

int KeyCommand(uint32_t key, bool controlHeld, bool windowEnabled)
{
    if (controlHeld || !windowEnabled)
        return 0;
    if (key == 27)
        return 2;
    if (key == 13)
        return 1;
    return 0;
}

uint32_t DoubleClickCommand(bool resizable, bool maximized)
{
    if (!resizable)
        return 0;
    return maximized ? kScRestore : kScMaximize;
}

MaximizedGeometry ComputeMaximized(const HostRect& monitor, const HostRect& work)
{
    MaximizedGeometry g;
    g.x = WrapSub(WrapSub(work.left, monitor.left), 1);
    g.y = WrapSub(WrapSub(work.top, monitor.top), 1);
    g.width = WrapAdd(WrapSub(work.right, work.left), 2);
    g.height = WrapAdd(WrapSub(work.bottom, work.top), 2);
    return g;
}

PartSpans ComputePartSpans(int32_t clientHeight, int32_t headerBottom, int32_t footerHeight)
{
    PartSpans s;
    s.footerTop = WrapSub(clientHeight, footerHeight);
    s.bodyTop = headerBottom;
    s.bodyHeight = WrapSub(WrapSub(clientHeight, footerHeight), headerBottom);
    return s;
}

const char* BodyPos()
{
    return "0,0,-0,-0";
}

void HeaderPos(int32_t height, char* out, int size)
{
    std::snprintf(out, static_cast<size_t>(size), "0,0,-0,%d", static_cast<int>(height));
}

void FooterPos(int32_t height, char* out, int size)
{
    std::snprintf(out, static_cast<size_t>(size), "0,-%d,-0,-0", static_cast<int>(height));
}
