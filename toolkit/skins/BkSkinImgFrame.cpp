#include "toolkit/skins/BkSkinImgFrame.h"

#include "platform/ScopedWin.h"
#include "toolkit/skins/FrameGeometry.h"

int32_t CBkSkinImgFrame::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    if (image.SetAttribute(name, value, loading) == kAttrApplied)
        return kAttrApplied;
    if (name == "left")
        left = ParseDecimal(value);
    else if (name == "top")
        top = ParseDecimal(value);
    else if (name == "crbg")
        crbg = ParseColour(value);
    else if (name == "part")
        return ParseFramePart(value, &part) ? kAttrApplied : kAttrNotRecognised;
    else
        return kAttrNotRecognised;
    return kAttrApplied;
}

void CBkSkinImgFrame::Draw(HDC dc, const RECT& rect, int32_t)
{
    if (!image.Bitmap())
        return;
    const FrameLayout layout = LayoutFrame(image.BitmapWidth(), image.BitmapHeight(), left, top, part,
                                           ElementRect{rect.left, rect.top, rect.right, rect.bottom});
    for (const FramePiece& p : layout.pieces) {
        if (p.stretch)
            image.Stretch(dc, p.dest, p.src, -1);
        else
            image.Copy(dc, p.dest, p.src.x, p.src.y, -1);
    }
    const ElementRect& in = layout.inner;
    if (ColourIsSet(crbg) && in.left < in.right && in.top < in.bottom) {
        ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(crbg));
        RECT inner = {in.left, in.top, in.right, in.bottom};
        FillRect(dc, &inner, brush);
    }
}
