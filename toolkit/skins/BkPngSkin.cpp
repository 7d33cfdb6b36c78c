#include "toolkit/skins/BkPngSkin.h"

#include <vector>

#include "toolkit/ValueFormat.h"
#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/PngCanvas.h"
#include "toolkit/skins/StretchGeometry.h"

int32_t SetPngAttribute(const std::string& name, const std::string& value, int32_t* src, int32_t* subwidth)
{
    if (name == "src")
        *src = ParseDecimal(value);
    else if (name == "subwidth")
        *subwidth = ParseDecimal(value);
    else
        return kAttrNotRecognised;
    return kAttrApplied;
}

bool CBkPngSkin::Load(const TiXmlElement* xml)
{
    CBkSkinBase::Load(xml);
    // The image is fetched once every attribute is known.
    if (src != 0)
        image = BkPngPool::Instance().GetPng(static_cast<unsigned>(src));
    return true;
}

int32_t CBkPngSkin::SetAttribute(const std::string& name, const std::string& value, bool)
{
    return SetPngAttribute(name, value, &src, &subwidth);
}

void CBkPngSkin::Draw(HDC dc, const RECT& rect, int32_t state)
{
    if (!image || !image->Valid())
        return;
    PngCanvas canvas(dc);
    if (subwidth == 0) {
        canvas.DrawWhole(*image, rect.left, rect.top);
        return;
    }
    // The cell's source as computed, unchecked: a state past the strip
    // reads outside the image, which GDI+ draws as nothing.
    const int64_t x = int64_t{subwidth} * state;
    const PieceRect src{static_cast<int32_t>(x), 0, subwidth, image->Height()};
    canvas.DrawPart(*image, PieceRect{rect.left, rect.top, subwidth, image->Height()}, src);
}

SIZE CBkPngSkin::GetSkinSize() const
{
    if (!image)
        return SIZE{0, 0};
    return SIZE{subwidth != 0 ? subwidth : image->Width(), image->Height()};
}
