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

// Skins the window code draws by name; the documents' own names are checked where they stand.
const char* const kCodeSkins[] = {"DefaultIco", "ListDefaultIco"};
// Element ids the window code addresses: each must be in its layout once.
const std::vector<int> kMainIds = {60004, 60001, 20028, 20017, 20009, 20015, 20014, 20029, 20018, 20001,
                                   20002, 20011, 20030, 20031, 20004, 20003, 20010, 20006, 20007, 20022,
                                   20008, 20019, 20020, 20027, 20024, 20026, 20000, 20025};
const std::vector<int> kRowIds = {22001, 22002, 22003, 22009, 22004, 22007, 22006};
const std::set<std::string> kSkinTags = {"imglst", "imgframe", "button", "imghorzex", "gradation", "png", "pngvertex"};
const std::set<std::string> kSkinAttributes = {"skin", "uporleft", "downorright", "thumb", "rail", "bkgd"};

// The bytes of an XML resource, without the zero the loader adds.
std::string XmlBytes(int id)
{
    std::vector<char> loaded;
    return LoadXmlResource(static_cast<unsigned>(id), &loaded) ? std::string(loaded.data()) : std::string();
}

// Width and height as the program's image pools decode them; 0 x 0 when they cannot.
SIZE ImageSize(bool png, int id)
{
    if (png) {
        const BkPngImage* image = BkPngPool::Instance().GetPng(static_cast<unsigned>(id));
        return image && image->Valid() ? SIZE{image->Width(), image->Height()} : SIZE{0, 0};
    }
    BITMAP info{};
    return GetObjectW(BkBmpPool::Instance().GetBitmap(static_cast<unsigned>(id)), sizeof(info), &info)
               ? SIZE{info.bmWidth, info.bmHeight}
               : SIZE{0, 0};
}

// Six hexadecimal digits, as the documents write colours.
bool IsColour(const std::string& text)
{
    return text.size() == 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

int Int(const TiXmlElement* e, const char* name) { return e->Attribute(name) ? std::atoi(e->Attribute(name)) : 0; }
std::string Attr(const TiXmlElement* e, const char* name) { return e->Attribute(name) ? e->Attribute(name) : ""; }

class Checker {
public:
    std::string Run()
    {
        TiXmlDocument strings, skins, styles, main, row;
        if (Load(102, "string", &strings))
            for (const TiXmlElement* s = strings.RootElement()->FirstChildElement(); s; s = s->NextSiblingElement())
                if (Int(s, "id") <= 0 || !strings_.insert(Int(s, "id")).second)
                    problems_ += "strings: an id that is not positive or given twice\n";
        if (Load(100, "skins", &skins))
            CheckSkins(skins.RootElement());
        if (Load(101, "style", &styles))
            CheckStyles(styles.RootElement());
        if (Load(103, "layer", &main)) {
            for (const TiXmlElement* p = main.RootElement()->FirstChildElement(); p; p = p->NextSiblingElement())
                CheckElements(p, "main layout");
            CheckIds("main layout", kMainIds);
        }
        if (Load(104, "listitem", &row)) {
            CheckElements(row.RootElement(), "row layout");
            CheckIds("row layout", kRowIds);
        }
        for (const char* name : kCodeSkins)
            if (!skins_.count(name))
                problems_ += std::string("skin ") + name + ": missing\n";
        return problems_;
    }

private:
    bool Load(int id, const char* root, TiXmlDocument* doc)
    {
        const std::string raw = XmlBytes(id);
        doc->Parse(raw.c_str(), nullptr, TIXML_ENCODING_UTF8);
        std::string problem;
        if (raw.empty() || doc->Error())
            problem = "missing or does not parse";
        else if (root != std::string(doc->RootElement()->Value()))
            problem = "root is not " + std::string(root);
        if (!problem.empty())
            problems_ += "XML " + std::to_string(id) + ": " + problem + "\n";
        return problem.empty();
    }

    // Every skin's image is there and is a whole number of its cells.
    void CheckSkins(const TiXmlElement* root)
    {
        for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
            const std::string name = Attr(e, "name"), tag = e->Value(), where = "skin " + name + ": ";
            if (name.empty() || !kSkinTags.count(tag)) {
                problems_ += "skins: a " + tag + " without name or of no kind\n";
                continue;
            }
            int& cells = skins_[name];
            if (tag == "button" || tag == "gradation")
                continue;
            const SIZE size = ImageSize(tag == "png" || tag == "pngvertex", Int(e, "src"));
            const int cell = Int(e, "subwidth");
            if (size.cx == 0)
                problems_ += where + "image " + Attr(e, "src") + " missing or unreadable\n";
            else if (cell < 0 || (cell > 0 && size.cx % cell != 0))
                problems_ += where + "width " + std::to_string(size.cx) + " is no whole number of cells\n";
            else if (tag == "imgframe" && (Int(e, "left") >= size.cx || Int(e, "top") >= size.cy))
                problems_ += where + "left/top outside the image\n";
            else
                cells = cell > 0 ? size.cx / cell : 1;
        }
    }

    void CheckStyles(const TiXmlElement* root)
    {
        for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
            styles_.insert(Attr(e, "name"));
            for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
                const std::string attr = a->Name(), value = a->Value(), where = "style " + Attr(e, "name") + ": ";
                if (attr.compare(0, 2, "cr") == 0 && !IsColour(value))
                    problems_ += where + attr + " is not a colour\n";
                else if (attr == "cursor" && value != "hand" && value != "arrow")
                    problems_ += where + "unknown cursor " + value + "\n";
                else if (kSkinAttributes.count(attr) && !skins_.count(value))
                    problems_ += where + attr + " names no skin: " + value + "\n";
            }
        }
    }

    // What an element names exists, its values read, and its text names strings.
    void CheckElements(const TiXmlElement* parent, const std::string& layout)
    {
        for (const TiXmlElement* e = parent->FirstChildElement(); e; e = e->NextSiblingElement()) {
            const std::string where = layout + " " + e->Value() + " " + Attr(e, "id") + ": ";
            if (e->Attribute("id"))
                ++ids_[layout][Int(e, "id")];
            for (const char* attr : {"class", "vertSBar", "cnormal", "chover", "cselect"})
                if (e->Attribute(attr) && !styles_.count(Attr(e, attr)))
                    problems_ += where + attr + " names no style: " + Attr(e, attr) + "\n";
            const auto skin = skins_.find(Attr(e, "skin"));
            if (e->Attribute("skin") && skin == skins_.end())
                problems_ += where + "skin names no skin: " + Attr(e, "skin") + "\n";
            else if (skin != skins_.end() && skin->second && Int(e, "sub") >= skin->second)
                problems_ += where + "sub " + Attr(e, "sub") + " beyond the skin's cells\n";
            for (const char* attr : {"crbg", "crtext"})
                if (e->Attribute(attr) && !IsColour(Attr(e, attr)))
                    problems_ += where + attr + " is not a colour\n";
            PosList pos;
            if (e->Attribute("pos") && (!ParsePos(Attr(e, "pos"), &pos) || (pos.count != 2 && pos.count != 4)))
                problems_ += where + "pos \"" + Attr(e, "pos") + "\" has not two or four items\n";
            const std::string text = e->GetText() ? e->GetText() : "";
            for (size_t at = text.find("%str"); at != std::string::npos; at = text.find("%str", at + 4))
                if (!strings_.count(std::atoi(text.c_str() + at + 4)))
                    problems_ += where + "text names no string: " + text.substr(at) + "\n";
            if (std::string(e->Value()) == "listSbar" && XmlBytes(Int(e, "src")).find("<listitem") == std::string::npos)
                problems_ += where + "src is no row layout\n";
            CheckElements(e, layout);
        }
    }

    void CheckIds(const std::string& layout, const std::vector<int>& ids)
    {
        for (int id : ids)
            if (ids_[layout][id] != 1)
                problems_ += layout + ": id " + std::to_string(id) + " given " + std::to_string(ids_[layout][id]) +
                             " times\n";
    }

    std::string problems_;
    std::set<int> strings_;
    std::map<std::string, int> skins_;  // name, cells (0 when unknown)
    std::set<std::string> styles_;
    std::map<std::string, std::map<int, int>> ids_;
};

}  // namespace

TEST(EmbeddedResources, FitTogether)
{
    EXPECT_EQ(Checker().Run(), "");
}
