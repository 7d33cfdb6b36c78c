#include "ResourceCrossCheck.h"

#include <tinyxml.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "ImageHeaders.h"
#include "toolkit/PosGrammar.h"

namespace {

// The skins the layouts, styles and the window code draw with, and the
// images behind them (cells side by side, each subwidth pixels wide).
struct SkinNeed {
    const char* name;
    const char* tag;
    int src;
    int width;
    int height;
    int cells;
};
const SkinNeed kSkinNeeds[] = {
    {"closeonlybtn", "png", 101, 105, 35, 3},      {"Installationbtn", "png", 1001, 400, 31, 4},
    {"ConnectDevice", "png", 1002, 15, 15, 1},     {"korvelico", "png", 1003, 19, 19, 1},
    {"Arrow", "png", 1004, 20, 10, 2},             {"BackGround", "imgframe", 73, 3, 82, 1},
    {"scroll", "pngvertex", 1005, 15, 3, 1},       {"SlideBlock", "pngvertex", 1006, 45, 5, 3},
    {"WaitImage", "png", 1007, 168, 21, 8},        {"DefaultIco", "png", 1008, 48, 48, 1},
    {"scrollBarUp", "png", 1009, 48, 16, 3},       {"scrollBarDown", "png", 1010, 48, 16, 3},
    {"AppPackageSBarThumb", "pngvertex", 1011, 45, 5, 3},
    {"AppPackageSBarBG", "pngvertex", 1012, 15, 3, 1},
    {"HideBord", "png", 1013, 39, 279, 3},         {"SingleDel", "png", 1014, 72, 24, 3},
    {"ListDefaultIco", "png", 1015, 25, 25, 1},
};

// Element ids the window code addresses, each with the tag it expects and
// the position the layout tables fix.
struct IdNeed {
    int id;
    const char* tag;
    const char* pos;
};
const IdNeed kMainIds[] = {
    {60004, "text", "30,10,150,25"},      {60001, "imgbtn", "-36,1,-1,36"},    {20028, "text", "15,114,70,129"},
    {20017, "text", "75,114"},            {20009, "text", "75,83"},            {20015, "text", "75,58,-95,78"},
    {20014, "ownPaint", "15,50,63,98"},   {20029, "text", "15,133,70,148"},    {20018, "text", "75,133"},
    {20001, "link", "15,155,70,170"},     {20002, "link", "15,155,70,170"},    {20011, "img", "65,158,75,168"},
    {20030, "hr", "1,35,379,75"},         {20031, "hr", "1,75,379,75"},        {20004, "link", "292,49,366,64"},
    {20003, "imgbtn", "265,-38,365,-7"},  {20010, "text", "298,-35,335,-13"},  {20006, "text", "15,-31"},
    {20007, "text", "15,-31,180,-16"},    {20022, "hr", "1,174,-1,174"},       {20008, "realwnd", "1,175,-1,-46"},
    {20019, "img", "15,-33,36,-12"},      {20020, "text", "40,-31,250,-15"},   {20027, "text", "-155,151,-100,164"},
    {20024, "realwnd", "-95,145,-15,156"}, {20026, "imgbtn", "380,35,393,-0"}, {20000, "dlg", "1,76,379,-46"},
    {20025, "listSbar", "0,0,-0,-0"},
};
const IdNeed kRowIds[] = {
    {22001, "dlg", "0,0,-0,-0"},     {22002, "ownPaint", "15,5,40,30"}, {22003, "link", "60,9,210,30"},
    {22009, "link", "60,9,210,30"},  {22004, "text", "210,11,260,24"},  {22007, "text", "210,11,300,24"},
    {22006, "imgbtn", "325,5"},
};

const char* const kSkinTags[] = {"imglst", "imgframe", "button", "imghorzex", "gradation", "png", "pngvertex"};
const char* const kStyleAttributes[] = {
    "name", "crbg", "crbghover", "crtext", "crhover", "crdisabled", "textmode", "font", "hoverfont",
    "x-margin", "y-margin", "margin", "spacing", "linespacing", "cursor", "skin", "uporleft",
    "downorright", "thumb", "rail", "bkgd"};
const char* const kStyleSkinAttributes[] = {"skin", "uporleft", "downorright", "thumb", "rail", "bkgd"};
const char* const kStyleColourAttributes[] = {"crbg", "crbghover", "crtext", "crhover", "crdisabled"};
const char* const kElementTags[] = {
    "dlg", "dlgfile", "text", "vtext", "button", "img", "progress", "paintprogress", "imgbtn",
    "realwnd", "hr", "check", "icon", "tabctrl", "radio", "richtext", "link", "memimage",
    "ownPaint", "memImage", "list", "listSbar"};
const char* const kCommonAttributes[] = {
    "class", "id", "crbg", "crtext", "font", "href", "tip", "valign", "align", "pos",
    "transparent", "show", "width", "height", "float"};

struct TagAttributes {
    const char* tag;
    std::vector<const char*> names;
};
const TagAttributes kOwnAttributes[] = {
    {"img", {"skin", "sub"}},
    {"imgbtn", {"skin", "sub"}},
    {"hr", {"style", "size"}},
    {"realwnd", {"ctrlid"}},
    {"dlgfile", {"src"}},
    {"list", {"src", "floatsrc", "cnormal", "chover", "cselect", "SBarType"}},
    {"listSbar", {"src", "floatsrc", "cnormal", "chover", "cselect", "SBarType", "vertSBar",
                  "ThumOffset", "reserved", "alwaysshowscrollbar"}},
};

template <size_t N>
bool Contains(const char* const (&list)[N], const std::string& value)
{
    for (const char* item : list)
        if (value == item)
            return true;
    return false;
}

bool IsHexDigits(const std::string& text, size_t minCount, size_t maxCount)
{
    if (text.size() < minCount || text.size() > maxCount)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool IsColour(const std::string& text) { return IsHexDigits(text, 6, 6); }

bool ReadInt(const TiXmlElement* e, const char* name, int* value)
{
    const char* text = e->Attribute(name);
    if (!text || !*text)
        return false;
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (*end != '\0')
        return false;
    *value = int(v);
    return true;
}

std::string Attr(const TiXmlElement* e, const char* name)
{
    const char* v = e->Attribute(name);
    return v ? v : "";
}

class Checker {
public:
    explicit Checker(const ResourceLookup& lookup) : lookup_(lookup) {}

    std::vector<std::string> Run()
    {
        TiXmlDocument strings, skins, styles, main, row;
        if (Load(102, "string", &strings))
            CheckStrings(strings.RootElement());
        if (Load(100, "skins", &skins))
            CheckSkins(skins.RootElement());
        if (Load(101, "style", &styles))
            CheckStyles(styles.RootElement());
        if (Load(103, "layer", &main))
            CheckLayer(main.RootElement());
        if (Load(104, "listitem", &row))
            CheckRow(row.RootElement());
        return problems_;
    }

private:
    struct Skin {
        std::string tag;
        int src = 0;
        bool sized = false;  // the image was found and read
        ImageSize size;
        int cells = 0;  // 0 when the image is no whole number of cells
    };

    void Problem(const std::string& text) { problems_.push_back(text); }

    bool Load(int id, const char* root, TiXmlDocument* doc)
    {
        std::string where = "XML " + std::to_string(id);
        std::string raw;
        if (!lookup_(ResourceKind::Xml, id, &raw)) {
            Problem(where + ": missing");
            return false;
        }
        bool bom = raw.compare(0, 3, "\xEF\xBB\xBF") == 0;
        bool ascii = true;
        for (unsigned char c : raw)
            ascii = ascii && c < 0x80;
        // The skins and style documents are plain ASCII, the layouts UTF-8 with a byte-order mark.
        if ((id == 100 || id == 101) && !ascii)
            Problem(where + ": not plain ASCII");
        if ((id == 103 || id == 104) && !bom)
            Problem(where + ": no UTF-8 byte-order mark");
        doc->Parse(raw.c_str(), nullptr, TIXML_ENCODING_UTF8);
        if (doc->Error()) {
            Problem(where + ": does not parse: " + doc->ErrorDesc() + " at row " + std::to_string(doc->ErrorRow()));
            return false;
        }
        if (!doc->RootElement() || root != std::string(doc->RootElement()->Value())) {
            Problem(where + ": root is not \"" + root + "\"");
            return false;
        }
        return true;
    }

    void CheckStrings(const TiXmlElement* root)
    {
        for (const TiXmlElement* s = root->FirstChildElement(); s; s = s->NextSiblingElement()) {
            int id = 0;
            if (std::string(s->Value()) != "s" || !ReadInt(s, "id", &id) || id <= 0) {
                Problem("strings: element without a positive id");
                continue;
            }
            if (!strings_.insert(id).second)
                Problem("strings: id " + std::to_string(id) + " given twice");
        }
        if (!strings_.count(1))
            Problem("strings: no string 1");
    }

    void CheckSkins(const TiXmlElement* root)
    {
        for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
            std::string name = Attr(e, "name"), tag = e->Value();
            if (name.empty()) {
                Problem("skins: a " + tag + " without name");
                continue;
            }
            std::string where = "skin " + name;
            if (!Contains(kSkinTags, tag)) {
                Problem(where + ": unknown kind " + tag);
                continue;
            }
            if (skins_.count(name))
                Problem(where + ": defined twice");
            Skin skin;
            skin.tag = tag;
            if (tag != "button" && tag != "gradation")
                ReadImage(e, where, &skin);
            if (tag == "imgframe") {
                int left = 0, top = 0;
                ReadInt(e, "left", &left);
                ReadInt(e, "top", &top);
                // Column left and row top are the stretched strips; both must lie in the image.
                if (skin.sized && (left < 0 || left >= skin.size.width || top < 0 || top >= skin.size.height))
                    Problem(where + ": left/top outside the image");
                if (e->Attribute("crbg") && !IsColour(Attr(e, "crbg")))
                    Problem(where + ": crbg is not a colour");
            }
            skins_[name] = skin;
        }
        for (const SkinNeed& need : kSkinNeeds) {
            std::string where = std::string("skin ") + need.name;
            auto it = skins_.find(need.name);
            if (it == skins_.end()) {
                Problem(where + ": missing");
                continue;
            }
            const Skin& skin = it->second;
            if (skin.tag != need.tag)
                Problem(where + ": is a " + skin.tag + ", needs " + need.tag);
            if (skin.src != need.src)
                Problem(where + ": src " + std::to_string(skin.src) + ", needs " + std::to_string(need.src));
            if (!skin.sized)
                continue;  // the image problem is reported already
            if (skin.size.width != need.width || skin.size.height != need.height)
                Problem(where + ": image is " + std::to_string(skin.size.width) + " x " +
                        std::to_string(skin.size.height) + ", needs " + std::to_string(need.width) + " x " +
                        std::to_string(need.height));
            if (skin.cells != 0 && skin.cells != need.cells)
                Problem(where + ": " + std::to_string(skin.cells) + " cells, needs " + std::to_string(need.cells));
        }
    }

    void ReadImage(const TiXmlElement* e, const std::string& where, Skin* skin)
    {
        bool png = skin->tag == "png" || skin->tag == "pngvertex";
        if (!ReadInt(e, "src", &skin->src) || skin->src <= 0) {
            Problem(where + ": no image id in src");
            return;
        }
        std::string bytes;
        std::string image = std::string(png ? "PNG " : "bitmap ") + std::to_string(skin->src);
        if (!lookup_(png ? ResourceKind::Png : ResourceKind::Bitmap, skin->src, &bytes)) {
            Problem(where + ": " + image + " missing");
            return;
        }
        if (!(png ? ReadPngSize(bytes, &skin->size) : ReadBitmapSize(bytes, &skin->size))) {
            Problem(where + ": " + image + " is not a " + (png ? "PNG" : "bitmap"));
            return;
        }
        skin->sized = true;
        int subwidth = 0;
        ReadInt(e, "subwidth", &subwidth);
        if (subwidth < 0 || (subwidth > 0 && skin->size.width % subwidth != 0)) {
            Problem(where + ": width " + std::to_string(skin->size.width) + " is no whole number of " +
                    std::to_string(subwidth) + "-pixel cells");
            return;
        }
        skin->cells = subwidth > 0 ? skin->size.width / subwidth : 1;
    }

    void CheckStyles(const TiXmlElement* root)
    {
        for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
            std::string name = Attr(e, "name");
            if (std::string(e->Value()) != "class" || name.empty()) {
                Problem("styles: an element that is no named class");
                continue;
            }
            std::string where = "style " + name;
            if (!styles_.insert(name).second)
                Problem(where + ": defined twice");
            for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
                std::string attr = a->Name(), value = a->Value();
                if (!Contains(kStyleAttributes, attr))
                    Problem(where + ": unknown attribute " + attr);
                else if (Contains(kStyleColourAttributes, attr) && !IsColour(value))
                    Problem(where + ": " + attr + " is not a colour");
                else if ((attr == "font" || attr == "hoverfont" || attr == "textmode") && !IsHexDigits(value, 1, 8))
                    Problem(where + ": " + attr + " is not hexadecimal");
                else if (attr == "cursor" && value != "hand" && value != "arrow")
                    Problem(where + ": unknown cursor " + value);
                else if (Contains(kStyleSkinAttributes, attr) && !skins_.count(value))
                    Problem(where + ": " + attr + " names no skin: " + value);
            }
        }
    }

    void CheckLayer(const TiXmlElement* root)
    {
        int width = 0, height = 0;
        if (!ReadInt(root, "width", &width) || !ReadInt(root, "height", &height) || width <= 0 || height <= 0)
            Problem("main layout: no window size");
        if (Attr(root, "title").empty())
            Problem("main layout: no title");
        std::map<int, std::vector<std::string>> ids;
        for (const TiXmlElement* part = root->FirstChildElement(); part; part = part->NextSiblingElement()) {
            std::string tag = part->Value();
            if (tag != "header" && tag != "body" && tag != "footer") {
                Problem("main layout: " + tag + " directly under layer");
                continue;
            }
            CheckAttributes(part, "main layout " + tag, "dlg");
            CheckChildren(part, "main layout", 0, &ids);
        }
        CheckIds("main layout", ids, kMainIds, sizeof(kMainIds) / sizeof(kMainIds[0]));
    }

    void CheckRow(const TiXmlElement* root)
    {
        int width = 0, height = 0;
        if (!ReadInt(root, "width", &width) || !ReadInt(root, "height", &height) || width <= 0 || height <= 0)
            Problem("row layout: no row size");
        std::map<int, std::vector<std::string>> ids;
        CheckChildren(root, "row layout", 0, &ids);
        CheckIds("row layout", ids, kRowIds, sizeof(kRowIds) / sizeof(kRowIds[0]));
    }

    void CheckChildren(const TiXmlElement* parent, const std::string& layout, int parentId,
                       std::map<int, std::vector<std::string>>* ids)
    {
        for (const TiXmlElement* e = parent->FirstChildElement(); e; e = e->NextSiblingElement()) {
            std::string tag = e->Value();
            int id = 0;
            bool hasId = ReadInt(e, "id", &id);
            std::string where = layout + " " + tag + (hasId ? " " + std::to_string(id) : std::string());
            if (!Contains(kElementTags, tag)) {
                Problem(where + ": no element kind has this tag");
                continue;
            }
            if (hasId)
                (*ids)[id].push_back(tag + " at " + (e->Attribute("pos") ? e->Attribute("pos") : ""));
            else if (e->Attribute("id"))
                Problem(where + ": id is not a number");
            CheckAttributes(e, where, tag);
            CheckText(e, where);
            if (tag == "listSbar" && parentId != 20000 && layout == "main layout")
                Problem(where + ": not inside container 20000");
            if (tag == "dlg")
                CheckChildren(e, layout, hasId ? id : parentId, ids);
            else if (e->FirstChildElement())
                Problem(where + ": has child elements that nothing reads");
        }
    }

    void CheckAttributes(const TiXmlElement* e, const std::string& where, const std::string& tag)
    {
        const std::vector<const char*>* own = nullptr;
        for (const TagAttributes& t : kOwnAttributes)
            if (tag == t.tag)
                own = &t.names;
        for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
            std::string attr = a->Name(), value = a->Value();
            bool known = Contains(kCommonAttributes, attr);
            if (own)
                for (const char* n : *own)
                    known = known || attr == n;
            if (!known) {
                Problem(where + ": unknown attribute " + attr);
                continue;
            }
            if (attr == "class" || attr == "vertSBar" || attr == "cnormal" || attr == "chover" || attr == "cselect") {
                if (!styles_.count(value))
                    Problem(where + ": " + attr + " names no style: " + value);
            } else if ((attr == "crbg" || attr == "crtext") && !IsColour(value)) {
                Problem(where + ": " + attr + " is not a colour");
            } else if (attr == "font" && !IsHexDigits(value, 1, 8)) {
                Problem(where + ": font is not hexadecimal");
            } else if (attr == "pos") {
                PosList pos;
                if (!ParsePos(value, &pos) || (pos.count != 2 && pos.count != 4))
                    Problem(where + ": pos \"" + value + "\" has not two or four items");
            } else if (attr == "skin" && !skins_.count(value)) {
                Problem(where + ": skin names no skin: " + value);
            }
        }
        int sub = 0;
        auto skin = skins_.find(Attr(e, "skin"));
        if (skin != skins_.end() && ReadInt(e, "sub", &sub) && skin->second.cells &&
            (sub < 0 || sub >= skin->second.cells))
            Problem(where + ": sub " + std::to_string(sub) + " beyond the skin's cells");
        if (tag == "realwnd" && Attr(e, "ctrlid") != Attr(e, "id"))
            Problem(where + ": ctrlid differs from id");
        if (tag == "listSbar")
            CheckRowSource(e, where);
    }

    void CheckRowSource(const TiXmlElement* e, const std::string& where)
    {
        int src = 0;
        std::string bytes;
        if (!ReadInt(e, "src", &src) || !lookup_(ResourceKind::Xml, src, &bytes)) {
            Problem(where + ": src names no XML resource");
            return;
        }
        TiXmlDocument doc;
        doc.Parse(bytes.c_str(), nullptr, TIXML_ENCODING_UTF8);
        if (doc.Error() || !doc.RootElement() || std::string(doc.RootElement()->Value()) != "listitem")
            Problem(where + ": src " + std::to_string(src) + " is no row layout");
    }

    // "%strN%" tokens must name strings of the table.
    void CheckText(const TiXmlElement* e, const std::string& where)
    {
        std::string text = e->GetText() ? e->GetText() : "";
        for (size_t at = text.find("%str"); at != std::string::npos; at = text.find("%str", at + 4)) {
            size_t end = text.find('%', at + 4);
            int id = end == std::string::npos ? 0 : std::atoi(text.substr(at + 4, end - at - 4).c_str());
            if (id <= 0 || !strings_.count(id))
                Problem(where + ": text names no string: " + text.substr(at));
        }
    }

    void CheckIds(const std::string& layout, const std::map<int, std::vector<std::string>>& ids,
                  const IdNeed* needs, size_t count)
    {
        std::set<int> wanted;
        for (size_t i = 0; i < count; ++i) {
            wanted.insert(needs[i].id);
            std::string where = layout + ": id " + std::to_string(needs[i].id);
            auto it = ids.find(needs[i].id);
            if (it == ids.end())
                Problem(where + " missing");
            else if (it->second.size() != 1)
                Problem(where + " given " + std::to_string(it->second.size()) + " times");
            else if (it->second[0] != std::string(needs[i].tag) + " at " + needs[i].pos)
                Problem(where + " is a " + it->second[0] + ", needs " + needs[i].tag + " at " + needs[i].pos);
        }
        for (const auto& entry : ids)
            if (!wanted.count(entry.first))
                Problem(layout + ": id " + std::to_string(entry.first) + " that no code addresses");
    }

    const ResourceLookup& lookup_;
    std::vector<std::string> problems_;
    std::set<int> strings_;
    std::map<std::string, Skin> skins_;
    std::set<std::string> styles_;
};

}  // namespace

std::vector<std::string> CrossCheckResources(const ResourceLookup& lookup)
{
    return Checker(lookup).Run();
}
