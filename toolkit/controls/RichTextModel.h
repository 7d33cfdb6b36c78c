// "richtext" content: the inline tags turned into formatted runs, and the
// runs broken into lines for a width. Measuring is passed in, so the
// layout is the same with any font source.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/ElementTypes.h"
#include "toolkit/ValueFormat.h"

class TiXmlElement;

struct RichFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    uint32_t colour = kInvalidColour;  // "c" "color"; not set: the style's
    bool link = false;
    int32_t linkId = 0;
};

// One stretch of text in one format; a line break carries no text.
struct RichRun {
    std::wstring text;
    RichFormat format;
    bool lineBreak = false;
};

// The content of element (its text and inline children in document
// order). "br" breaks the line, "b", "i", "u" set bold, italic, underline,
// "c" takes "color", "a" is a link with "id"; other tags add their content
// unformatted. Nesting deeper than a fixed limit is dropped. The XML reader
// trims blanks at the edges of each text piece and drops pieces of blanks
// alone, so a blank beside an inline tag is written "&#32;" next to other
// text ("a&#32;<b>b</b>", "<b>b&#32;</b>c").
std::vector<RichRun> ParseRichText(const TiXmlElement* element);

// A piece of one run placed on a line, relative to the layout's origin.
struct RichPiece {
    size_t run = 0;
    std::wstring text;
    ElementRect rect;
};

// Width and height of text in the run's format.
using RichMeasure = std::function<void(const RichRun& run, const std::wstring& text, int32_t* width, int32_t* height)>;

// Words (a word keeps the blanks after it) flow left to right; a word that
// would pass width starts a new line unless it is the first on its line.
// Pieces of a line share its top; a line is as high as its highest piece.
std::vector<RichPiece> LayoutRichText(const std::vector<RichRun>& runs, int32_t width, const RichMeasure& measure);

// The link id under the point, or 0 (links without an id are not reported).
int32_t RichLinkAt(const std::vector<RichRun>& runs, const std::vector<RichPiece>& pieces, int32_t x, int32_t y);
