#include "toolkit/skins/BkSkinImgHorzExtend.h"

#include "toolkit/ValueFormat.h"
#include "toolkit/skins/SkinWords.h"
#include "toolkit/skins/StretchGeometry.h"

int32_t CBkSkinImgHorzExtend::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    if (image.SetAttribute(name, value, loading) == kAttrApplied)
        return kAttrApplied;
    if (name == "left") {
        left = ParseDecimal(value);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

void CBkSkinImgHorzExtend::Draw(HDC dc, const RECT& rect, int32_t state)
{
    if (!image.Bitmap())
        return;
    const int32_t cell = HorzExtendCell(state);
    const auto pieces = LayoutHorzStretch(image.BitmapWidth(), image.BitmapHeight(), image.subwidth, left,
                                          ElementRect{rect.left, rect.top, rect.right, rect.bottom});
    for (const SkinPiece& p : pieces) {
        if (p.stretch)
            image.Stretch(dc, p.dest, p.src, cell);
        else
            image.Copy(dc, p.dest, p.src.x, p.src.y, cell);
    }
}
