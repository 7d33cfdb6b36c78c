#include "toolkit/skins/BkSkinPngVertExtend.h"

#include <algorithm>
#include <vector>

#include "platform/ScopedWin.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/BkPngSkin.h"
#include "toolkit/skins/PngCanvas.h"
#include "toolkit/skins/StretchGeometry.h"

bool CBkSkinPngVertExtend::Load(const TiXmlElement* xml)
{
    CBkSkinBase::Load(xml);
    if (src != 0)
        image = BkPngPool::Instance().GetPng(static_cast<unsigned>(src));
    return true;
}

int32_t CBkSkinPngVertExtend::SetAttribute(const std::string& name, const std::string& value, bool)
{
    if (name == "top") {
        top = ParseDecimal(value);
        return kAttrApplied;
    }
    return SetPngAttribute(name, value, &src, &subwidth);
}

void CBkSkinPngVertExtend::Draw(HDC dc, const RECT& rect, int32_t state)
{
    if (!image || !image->Valid())
        return;
    const VertStretchLayout layout = LayoutVertStretch(image->Width(), image->Height(), subwidth, top, state,
                                                       ElementRect{rect.left, rect.top, rect.right, rect.bottom});
    // A target lower than top and bottom together would have them overlap
    // its neighbours: keep them inside its height. The width drawn is the
    // cell's whatever the target's.
    const int32_t w = subwidth != 0 ? subwidth : image->Width();
    ScopedSaveDC saved(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.left + std::max<LONG>(w, rect.right - rect.left), rect.bottom);
    std::vector<SkinPiece> fitted;
    for (const SkinPiece& p : layout.pieces)
        FitPieceToImage(p, image->Width(), image->Height(), &fitted);
    PngCanvas canvas(dc);
    for (const SkinPiece& p : fitted)
        canvas.DrawPart(*image, p.dest, p.src);
}

SIZE CBkSkinPngVertExtend::GetSkinSize() const
{
    if (!image)
        return SIZE{0, 0};
    return SIZE{subwidth != 0 ? subwidth : image->Width(), image->Height()};
}
