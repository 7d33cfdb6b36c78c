#include "toolkit/BkFontPool.h"

#include "toolkit/ValueFormat.h"

BkFontPool& BkFontPool::Instance()
{
    // Process-wide tables live as long as the process and are never
    // destroyed: windows and elements torn down at exit still use them.
    static BkFontPool* pool = new BkFontPool();
    return *pool;
}

LOGFONTW BkFontPool::BaseDescription() const
{
    LOGFONTW lf = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = height_;
    lstrcpynW(lf.lfFaceName, face_.c_str(), LF_FACESIZE);
    lf.lfQuality = CLEARTYPE_NATURAL_QUALITY;
    return lf;
}

LOGFONTW BkFontPool::Describe(FontCode code) const
{
    LOGFONTW lf = BaseDescription();
    if (code == 0)
        return lf;
    FontCodeParts parts = DecodeFontCode(code);
    lf.lfWeight = parts.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = parts.underline ? TRUE : FALSE;
    lf.lfItalic = parts.italic ? TRUE : FALSE;
    lf.lfHeight = FontHeightFor(height_, code);
    return lf;
}

void BkFontPool::SetDefaultFont(const std::wstring& face, int height)
{
    face_ = face;
    height_ = height;
    fonts_.erase(0);
    GetFont(0);
}

HFONT BkFontPool::GetFont(FontCode code)
{
    auto it = fonts_.find(code);
    if (it != fonts_.end())
        return it->second->Get();
    LOGFONTW lf = Describe(code);
    HFONT font = CreateFontIndirectW(&lf);
    if (!font)
        return nullptr;
    fonts_[code] = std::make_unique<ScopedGdiObj<HFONT>>(font);
    return font;
}
