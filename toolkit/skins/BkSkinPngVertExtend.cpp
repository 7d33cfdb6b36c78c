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
    // The three parts as computed, with GDI+ as it comes: GDI+ itself keeps
    // every source inside the image, and the width drawn is the cell's
    // whatever the target's.
    const VertStretchLayout layout = LayoutVertStretch(image->Width(), image->Height(), subwidth, top, state,
                                                       ElementRect{rect.left, rect.top, rect.right, rect.bottom});
    PngCanvas canvas(dc);
    for (const SkinPiece& p : layout.pieces)
        canvas.DrawPart(*image, p.dest, p.src);
}

SIZE CBkSkinPngVertExtend::GetSkinSize() const
{
    if (!image)
        return SIZE{0, 0};
    return SIZE{subwidth != 0 ? subwidth : image->Width(), image->Height()};
}
