// The resources linked into the program, read the way the toolkit reads
// them: every document parses with its root, and the skins, styles,
// strings and both layouts name each other and their images consistently.
#include <gtest/gtest.h>
#include <windows.h>
#include <tinyxml.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "toolkit/PosGrammar.h"
#include "toolkit/XmlResource.h"
#include "toolkit/skins/BkBmpPool.h"
#include "toolkit/skins/BkPngPool.h"

namespace {

// The bytes of an XML resource, without the zero the loader adds.
bool XmlBytes(int id, std::string* bytes)
{
    std::vector<char> loaded;
    if (!LoadXmlResource(static_cast<unsigned>(id), &loaded))
        return false;
    bytes->assign(loaded.data());
    return true;
}

// Sizes as the program's image pools decode them; false when they cannot.
bool PngSize(int id, SIZE* size)
{
    const BkPngImage* image = BkPngPool::Instance().GetPng(static_cast<unsigned>(id));
    if (!image || !image->Valid())
        return false;
    *size = SIZE{image->Width(), image->Height()};
    return true;
}

bool BitmapSize(int id, SIZE* size)
{
    BITMAP info{};
    if (!GetObjectW(BkBmpPool::Instance().GetBitmap(static_cast<unsigned>(id)), sizeof(info), &info))
        return false;
    *size = SIZE{info.bmWidth, info.bmHeight};
    return true;
}

// Skins the window code draws by name; the documents' own names are checked where they stand.
const char* const kCodeSkins[] = {"DefaultIco", "ListDefaultIco"};
// Element ids the window code addresses: each must be in its layout once.
const int kMainIds[] = {60004, 60001, 20028, 20017, 20009, 20015, 20014, 20029, 20018, 20001, 20002, 20011, 20030,
                        20031, 20004, 20003, 20010, 20006, 20007, 20022, 20008, 20019, 20020, 20027, 20024, 20026,
                        20000, 20025};
const int kRowIds[] = {22001, 22002, 22003, 22009, 22004, 22007, 22006};
const char* const kSkinTags[] = {"imglst", "imgframe", "button", "imghorzex", "gradation", "png", "pngvertex"};

// Six hexadecimal digits, as the documents write colours.
bool IsColour(const std::string& text)
{
    return text.size() == 6 && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

int Int(const TiXmlElement* e, const char* name)
{
    const char* text = e->Attribute(name);
    return text ? std::atoi(text) : 0;
}

std::string Attr(const TiXmlElement* e, const char* name)
{
    const char* v = e->Attribute(name);
    return v ? v : "";
}

class Checker {
public:
    std::vector<std::string> Run()
    {
        TiXmlDocument strings, skins, styles, main, row;
        if (Load(102, "string", &strings))
            for (const TiXmlElement* s = strings.RootElement()->FirstChildElement(); s; s = s->NextSiblingElement())
                if (Int(s, "id") <= 0 || !strings_.insert(Int(s, "id")).second)
                    Problem("strings: an id that is not positive or given twice");
        if (Load(100, "skins", &skins))
            CheckSkins(skins.RootElement());
        if (Load(101, "style", &styles))
            CheckStyles(styles.RootElement());
        if (Load(103, "layer", &main)) {
            for (const TiXmlElement* part = main.RootElement()->FirstChildElement(); part; part = part->NextSiblingElement())
                CheckElements(part, "main layout");
            CheckIds("main layout", kMainIds, sizeof kMainIds / sizeof kMainIds[0]);
        }
        ids_.clear();
        if (Load(104, "listitem", &row)) {
            CheckElements(row.RootElement(), "row layout");
            CheckIds("row layout", kRowIds, sizeof kRowIds / sizeof kRowIds[0]);
        }
        for (const char* name : kCodeSkins)
            if (!skins_.count(name))
                Problem(std::string("skin ") + name + ": missing");
        return problems_;
    }

private:
    void Problem(const std::string& text) { problems_.push_back(text); }

    bool Load(int id, const char* root, TiXmlDocument* doc)
    {
        const std::string where = "XML " + std::to_string(id);
        std::string raw;
        if (!XmlBytes(id, &raw)) {
            Problem(where + ": missing");
            return false;
        }
        doc->Parse(raw.c_str(), nullptr, TIXML_ENCODING_UTF8);
        if (doc->Error()) {
            Problem(where + ": does not parse: " + doc->ErrorDesc());
            return false;
        }
        if (!doc->RootElement() || root != std::string(doc->RootElement()->Value())) {
            Problem(where + ": root is not \"" + root + "\"");
            return false;
        }
        return true;
    }

    // Every skin's image is there and is a whole number of its cells.
    void CheckSkins(const TiXmlElement* root)
    {
        for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
            const std::string name = Attr(e, "name"), tag = e->Value(), where = "skin " + name;
            if (name.empty() || std::find(std::begin(kSkinTags), std::end(kSkinTags), tag) == std::end(kSkinTags)) {
                Problem("skins: a " + tag + " without name or of no kind");
                continue;
            }
            int& cells = skins_[name];
            if (tag == "button" || tag == "gradation")
                continue;
            const bool png = tag == "png" || tag == "pngvertex";
            const std::string image = std::string(png ? "PNG " : "bitmap ") + std::to_string(Int(e, "src"));
            SIZE size = {};
            if (!(png ? PngSize(Int(e, "src"), &size) : BitmapSize(Int(e, "src"), &size))) {
                Problem(where + ": " + image + " missing or unreadable");
            } else if (Int(e, "subwidth") < 0 || (Int(e, "subwidth") > 0 && size.cx % Int(e, "subwidth") != 0)) {
                Problem(where + ": width " + std::to_string(size.cx) + " is no whole number of " +
                        Attr(e, "subwidth") + "-pixel cells");
            } else {
                cells = Int(e, "subwidth") > 0 ? size.cx / Int(e, "subwidth") : 1;
                if (tag == "imgframe" && (Int(e, "left") >= size.cx || Int(e, "top") >= size.cy))
                    Problem(where + ": left/top outside the image");
            }
        }
    }

    void CheckStyles(const TiXmlElement* root)
    {
        for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
            const std::string where = "style " + Attr(e, "name");
            styles_.insert(Attr(e, "name"));
            for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
                const std::string attr = a->Name(), value = a->Value();
                if (attr.compare(0, 2, "cr") == 0 && !IsColour(value))
                    Problem(where + ": " + attr + " is not a colour");
                else if (attr == "cursor" && value != "hand" && value != "arrow")
                    Problem(where + ": unknown cursor " + value);
                else if ((attr == "skin" || attr == "uporleft" || attr == "downorright" || attr == "thumb" ||
                          attr == "rail" || attr == "bkgd") && !skins_.count(value))
                    Problem(where + ": " + attr + " names no skin: " + value);
            }
        }
    }

    // What an element names exists, its values read, and its text names strings.
    void CheckElements(const TiXmlElement* parent, const std::string& layout)
    {
        for (const TiXmlElement* e = parent->FirstChildElement(); e; e = e->NextSiblingElement()) {
            const std::string tag = e->Value();
            const std::string where = layout + " " + tag + (e->Attribute("id") ? " " + Attr(e, "id") : "");
            if (e->Attribute("id"))
                ++ids_[Int(e, "id")];
            for (const char* attr : {"class", "vertSBar", "cnormal", "chover", "cselect"})
                if (e->Attribute(attr) && !styles_.count(Attr(e, attr)))
                    Problem(where + ": " + attr + " names no style: " + Attr(e, attr));
            const auto skin = skins_.find(Attr(e, "skin"));
            if (e->Attribute("skin") && skin == skins_.end())
                Problem(where + ": skin names no skin: " + Attr(e, "skin"));
            else if (skin != skins_.end() && skin->second && Int(e, "sub") >= skin->second)
                Problem(where + ": sub " + Attr(e, "sub") + " beyond the skin's cells");
            for (const char* attr : {"crbg", "crtext"})
                if (e->Attribute(attr) && !IsColour(Attr(e, attr)))
                    Problem(where + ": " + attr + " is not a colour");
            PosList pos;
            if (e->Attribute("pos") && (!ParsePos(Attr(e, "pos"), &pos) || (pos.count != 2 && pos.count != 4)))
                Problem(where + ": pos \"" + Attr(e, "pos") + "\" has not two or four items");
            const std::string text = e->GetText() ? e->GetText() : "";
            for (size_t at = text.find("%str"); at != std::string::npos; at = text.find("%str", at + 4))
                if (!strings_.count(std::atoi(text.c_str() + at + 4)))
                    Problem(where + ": text names no string: " + text.substr(at));
            std::string rows;
            if (tag == "listSbar" && (!XmlBytes(Int(e, "src"), &rows) || rows.find("<listitem") == std::string::npos))
                Problem(where + ": src is no row layout");
            CheckElements(e, layout);
        }
    }

    void CheckIds(const std::string& layout, const int* ids, size_t count)
    {
        for (size_t i = 0; i < count; ++i) {
            const int n = ids_.count(ids[i]) ? ids_[ids[i]] : 0;
            if (n != 1)
                Problem(layout + ": id " + std::to_string(ids[i]) + (n ? " given " + std::to_string(n) + " times" : " missing"));
        }
    }

    std::vector<std::string> problems_;
    std::set<int> strings_;
    std::map<std::string, int> skins_;  // name, cells (0 when unknown)
    std::set<std::string> styles_;
    std::map<int, int> ids_;
};

}  // namespace

TEST(EmbeddedResources, FitTogether)
{
    std::string all;
    for (const std::string& problem : Checker().Run())
        all += problem + "\n";
    EXPECT_EQ(all, "");
}
