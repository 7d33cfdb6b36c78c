// "richtext" content as anything at all: laid out at any width, only a
// line's first piece may pass the width and lines go downwards.
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/controls/RichTextModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TiXmlDocument doc;
    if (!ParseXmlText(fuzz::GuardedText(fuzz::ZeroTerminated(data, size)).c_str(), &doc) || !doc.RootElement())
        return 0;
    const std::vector<RichRun> runs = ParseRichText(doc.RootElement());
    // Seven pixels a character, twelve high.
    auto measure = [](const RichRun&, const std::wstring& text, int32_t* width, int32_t* height) {
        *width = static_cast<int32_t>(text.size()) * 7;
        *height = 12;
    };
    for (int32_t width : {0, 40, 100000}) {
        const std::vector<RichPiece> pieces = LayoutRichText(runs, width, measure);
        int32_t lastTop = 0;
        for (const RichPiece& p : pieces) {
            FUZZ_CHECK(p.run < runs.size() && p.rect.top >= lastTop);
            FUZZ_CHECK(p.rect.left == 0 || p.rect.right <= width);
            lastTop = p.rect.top;
            RichLinkAt(runs, pieces, p.rect.left, p.rect.top);
        }
    }
    return 0;
}
