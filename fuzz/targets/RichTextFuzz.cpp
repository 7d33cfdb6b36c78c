// "richtext" content as anything at all: laid out at any width, every run's
// words come back whole and in order, only a line's first word may pass the
// width, lines go downwards, and a point inside a piece finds its link.
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/controls/RichTextModel.h"

namespace {

// Seven pixels a character, bold ones wider, twelve high.
void Measure(const RichRun& run, const std::wstring& text, int32_t* width, int32_t* height)
{
    *width = static_cast<int32_t>(text.size()) * (run.format.bold ? 8 : 7);
    *height = 12;
}

void CheckLayout(const std::vector<RichRun>& runs, int32_t width)
{
    const std::vector<RichPiece> pieces = LayoutRichText(runs, width, Measure);
    std::vector<std::wstring> laidOut(runs.size());
    int32_t lastTop = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const RichPiece& p = pieces[i];
        FUZZ_CHECK(p.run < runs.size() && !runs[p.run].lineBreak);
        laidOut[p.run] += p.text;
        FUZZ_CHECK(p.rect.top >= lastTop);
        lastTop = p.rect.top;
        FUZZ_CHECK(p.rect.left >= 0 && p.rect.Width() >= 0 && p.rect.Height() == 12);
        // Only the first piece of a line starts at 0; the others fit.
        if (p.rect.left > 0)
            FUZZ_CHECK(p.rect.right <= width);
        if (p.rect.Width() > 0) {
            int32_t x = p.rect.left + p.rect.Width() / 2, y = p.rect.top + 6;
            const RichFormat& f = runs[p.run].format;
            FUZZ_CHECK(RichLinkAt(runs, pieces, x, y) == (f.link ? f.linkId : 0));
        }
    }
    for (size_t r = 0; r < runs.size(); ++r) {
        if (!runs[r].lineBreak)
            FUZZ_CHECK(laidOut[r] == runs[r].text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    TiXmlDocument doc;
    if (!ParseXmlText(fuzz::GuardedText(text).c_str(), &doc) || !doc.RootElement())
        return 0;
    const std::vector<RichRun> runs = ParseRichText(doc.RootElement());
    for (const RichRun& run : runs) {
        // A text run may be empty: its "%strN%" tokens can name no string.
        if (run.lineBreak)
            FUZZ_CHECK(run.text.empty());
        FUZZ_CHECK(run.format.colour == kInvalidColour || (run.format.colour & 0xFF000000u) == 0);
        if (!run.format.link)
            FUZZ_CHECK(run.format.linkId == 0);
    }
    for (int32_t width : {0, 40, 300, 100000})
        CheckLayout(runs, width);
    return 0;
}
