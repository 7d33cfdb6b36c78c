#include "toolkit/BkStyle.h"

namespace {

struct ColourAttr {
    const char* name;
    uint32_t BkStyle::*field;
};
const ColourAttr kColours[] = {
    {"crbg", &BkStyle::crbg},       {"crbghover", &BkStyle::crbghover}, {"crtext", &BkStyle::crtext},
    {"crhover", &BkStyle::crhover}, {"crdisabled", &BkStyle::crdisabled},
};

struct IntAttr {
    const char* name;
    int32_t BkStyle::*field;
};
const IntAttr kInts[] = {
    {"x-margin", &BkStyle::xMargin},
    {"y-margin", &BkStyle::yMargin},
    {"spacing", &BkStyle::spacing},
    {"linespacing", &BkStyle::linespacing},
};

struct TextAttr {
    const char* name;
    std::string BkStyle::*field;
};
const TextAttr kTexts[] = {
    {"skin", &BkStyle::skin}, {"uporleft", &BkStyle::uporleft}, {"downorright", &BkStyle::downorright},
    {"thumb", &BkStyle::thumb}, {"rail", &BkStyle::rail},     {"bkgd", &BkStyle::bkgd},
    {"name", &BkStyle::name},
};

}  // namespace

int32_t BkStyle::SetAttribute(const std::string& attr, const std::string& value, bool)
{
    for (const ColourAttr& a : kColours) {
        if (attr == a.name) {
            this->*a.field = ParseColour(value);
            return kAttrRepaint;
        }
    }
    for (const IntAttr& a : kInts) {
        if (attr == a.name) {
            this->*a.field = ParseDecimal(value);
            return kAttrApplied;
        }
    }
    for (const TextAttr& a : kTexts) {
        if (attr == a.name) {
            this->*a.field = value;
            return kAttrApplied;
        }
    }
    if (attr == "textmode") {
        textmode = ParseHex(value);
        return kAttrApplied;
    }
    if (attr == "font" || attr == "hoverfont") {
        StyleFont& f = attr == "font" ? font : hoverfont;
        f.set = true;
        f.code = ParseFontCode(value);
        return kAttrApplied;
    }
    if (attr == "margin") {
        xMargin = yMargin = ParseDecimal(value);
        return kAttrApplied;
    }
    if (attr == "cursor") {
        if (value == "hand")
            cursor = kCursorHand;
        else if (value == "arrow")
            cursor = kCursorArrow;
        else
            return kAttrNotRecognised;
        return kAttrRepaint;
    }
    return kAttrNotRecognised;
}
