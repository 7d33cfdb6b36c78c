// Fonts by 16-bit font code, all derived from one base description (the
// default GUI font with the pool's face and height). Code 0 is the default
// font. The pool owns every font it made.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include <windows.h>

#include "platform/ScopedWin.h"
#include "toolkit/ValueFormat.h"

class BkFontPool {
public:
    static BkFontPool& Instance();

    BkFontPool() = default;
    BkFontPool(const BkFontPool&) = delete;
    BkFontPool& operator=(const BkFontPool&) = delete;

    // New base face and height; rebuilds code 0 only.
    void SetDefaultFont(const std::wstring& face, int height);

    // Cached font of a code, created on first request; nullptr (nothing
    // cached) when creation fails.
    HFONT GetFont(FontCode code);

    // The description a code's font is created from.
    LOGFONTW Describe(FontCode code) const;

    const std::wstring& Face() const { return face_; }
    int Height() const { return height_; }

private:
    LOGFONTW BaseDescription() const;

    std::wstring face_ = L"微软雅黑";
    int height_ = -12;
    std::map<FontCode, std::unique_ptr<ScopedGdiObj<HFONT>>> fonts_;
};
