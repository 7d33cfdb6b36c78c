// "richtext": formatted text from inline tags (see RichTextModel.h),
// wrapped to the element's width; a release on a link with an id reports
// NotifyClick with that id.
#pragma once

#include <string>
#include <vector>

#include "toolkit/BkWindow.h"
#include "toolkit/controls/RichTextModel.h"

class CBkRichText : public CBkWindow {
public:
    const char* GetClassName() const override { return "richtext"; }
    bool Load(const TiXmlElement* xml) override;
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

    const std::vector<RichRun>& Runs() const { return runs_; }
    // The pieces as painted now, relative to the text origin.
    std::vector<RichPiece> Layout() const;
    // The link id at a client point, or 0.
    int32_t LinkAt(int x, int y) const;

protected:
    void OnPaint(HDC dc) override;
    void OnNcCalcSize(BOOL fromPlacement, SIZE* size) override;
    FontCode FontCodeFor(const RichFormat& format) const;
    std::vector<RichPiece> LayoutFor(HDC dc, int32_t width) const;
    RECT TextBox() const;

    std::vector<RichRun> runs_;
    bool defaultFontSet_ = false;
    FontCode defaultFont_ = 0;
    std::string linkClass_;
};
