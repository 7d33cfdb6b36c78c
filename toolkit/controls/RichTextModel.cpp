#include "toolkit/controls/RichTextModel.h"

#include <cstring>

#include <tinyxml.h>

#include "platform/Text.h"
#include "toolkit/StringSubst.h"

namespace {

const int kMaxDepth = 32;

void AddText(const char* utf8, const RichFormat& format, std::vector<RichRun>* runs)
{
    if (!utf8 || !*utf8)
        return;
    RichRun run;
    run.text = SubstituteStringTokens(Utf8ToWide(utf8));
    run.format = format;
    runs->push_back(std::move(run));
}

void Walk(const TiXmlNode* parent, const RichFormat& format, int depth, std::vector<RichRun>* runs)
{
    if (depth > kMaxDepth)
        return;
    for (const TiXmlNode* node = parent->FirstChild(); node; node = node->NextSibling()) {
        if (const TiXmlText* text = node->ToText()) {
            AddText(text->Value(), format, runs);
            continue;
        }
        const TiXmlElement* e = node->ToElement();
        if (!e)
            continue;
        const char* tag = e->Value();
        RichFormat inner = format;
        if (std::strcmp(tag, "br") == 0) {
            RichRun br;
            br.format = format;
            br.lineBreak = true;
            runs->push_back(br);
        } else if (std::strcmp(tag, "b") == 0) {
            inner.bold = true;
        } else if (std::strcmp(tag, "i") == 0) {
            inner.italic = true;
        } else if (std::strcmp(tag, "u") == 0) {
            inner.underline = true;
        } else if (std::strcmp(tag, "c") == 0) {
            if (const char* colour = e->Attribute("color"))
                inner.colour = ParseColour(colour);
        } else if (std::strcmp(tag, "a") == 0) {
            inner.link = true;
            const char* id = e->Attribute("id");
            inner.linkId = id ? ParseDecimal(id) : 0;
        }
        Walk(e, inner, depth + 1, runs);
    }
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// Cuts text after each run of blanks, so every word keeps its trailing blanks.
std::vector<std::wstring> Words(const std::wstring& text)
{
    std::vector<std::wstring> words;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsBlank(text[i]) && (i + 1 == text.size() || !IsBlank(text[i + 1]))) {
            words.push_back(text.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < text.size())
        words.push_back(text.substr(start));
    return words;
}

}  // namespace

std::vector<RichRun> ParseRichText(const TiXmlElement* element)
{
    std::vector<RichRun> runs;
    if (element)
        Walk(element, RichFormat(), 0, &runs);
    return runs;
}

std::vector<RichPiece> LayoutRichText(const std::vector<RichRun>& runs, int32_t width, const RichMeasure& measure)
{
    std::vector<RichPiece> pieces;
    int32_t x = 0, top = 0, lineHeight = 0;
    size_t lineStart = 0;  // first piece of the current line
    auto endLine = [&]() {
        for (size_t i = lineStart; i < pieces.size(); ++i) {
            int32_t h = pieces[i].rect.Height();
            pieces[i].rect.top = top;
            pieces[i].rect.bottom = WrapAdd(top, h);
        }
        top = WrapAdd(top, lineHeight);
        x = 0;
        lineHeight = 0;
        lineStart = pieces.size();
    };
    for (size_t r = 0; r < runs.size(); ++r) {
        const RichRun& run = runs[r];
        if (run.lineBreak) {
            if (lineStart == pieces.size()) {
                // An empty line is as high as a blank in its format.
                int32_t w = 0, h = 0;
                measure(run, L" ", &w, &h);
                lineHeight = h > lineHeight ? h : lineHeight;
            }
            endLine();
            continue;
        }
        for (const std::wstring& word : Words(run.text)) {
            int32_t w = 0, h = 0;
            measure(run, word, &w, &h);
            if (w < 0) w = 0;
            if (h < 0) h = 0;
            if (x > 0 && static_cast<int64_t>(x) + w > width)
                endLine();
            RichPiece piece;
            piece.run = r;
            piece.text = word;
            piece.rect = ElementRect{x, 0, WrapAdd(x, w), h};
            pieces.push_back(std::move(piece));
            x = WrapAdd(x, w);
            lineHeight = h > lineHeight ? h : lineHeight;
        }
    }
    endLine();
    return pieces;
}

int32_t RichLinkAt(const std::vector<RichRun>& runs, const std::vector<RichPiece>& pieces, int32_t x, int32_t y)
{
    for (const RichPiece& p : pieces) {
        if (p.run < runs.size() && runs[p.run].format.link && p.rect.Contains(x, y))
            return runs[p.run].format.linkId;
    }
    return 0;
}
