// The resource files in app/res, read the way the resource script names
// them, must fit together; and the cross-check itself must notice faults.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <utility>

#include "ImageHeaders.h"
#include "ResourceCrossCheck.h"

namespace {

using Key = std::pair<ResourceKind, int>;

bool ReadFile(const std::string& path, std::string* bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream out;
    out << in.rdbuf();
    *bytes = out.str();
    return true;
}

// Lines of the form: ID TYPE "file"; preprocessor lines (the version
// block's include) are not resources of this kind. Returns a problem text or "".
std::string ReadScript(std::map<Key, std::string>* files)
{
    std::string script;
    if (!ReadFile(TARVO_RES_DIR "/resources.rc", &script))
        return "resources.rc missing";
    std::istringstream lines(script);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line.compare(0, 2, "//") == 0 || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int id = 0;
        std::string type, quoted;
        if (!(fields >> id >> type >> quoted) || quoted.size() < 3 || quoted.front() != '"' || quoted.back() != '"')
            return "unreadable line: " + line;
        if (type == "ICON") {
            // The system reads it, not the toolkit: it must be an icon file.
            std::string icon;
            if (!ReadFile(std::string(TARVO_RES_DIR "/") + quoted.substr(1, quoted.size() - 2), &icon) ||
                icon.compare(0, 4, std::string("\0\0\1\0", 4)) != 0)
                return "not an icon file: " + line;
            continue;
        }
        ResourceKind kind;
        if (type == "XML")
            kind = ResourceKind::Xml;
        else if (type == "PNG")
            kind = ResourceKind::Png;
        else if (type == "BITMAP")
            kind = ResourceKind::Bitmap;
        else
            return "unknown type: " + line;
        if (!files->emplace(Key(kind, id), std::string(TARVO_RES_DIR "/") + quoted.substr(1, quoted.size() - 2)).second)
            return "given twice: " + line;
    }
    return "";
}

class ResourceFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(ReadScript(&files_), "");
        for (const auto& entry : files_) {
            std::string bytes;
            ASSERT_TRUE(ReadFile(entry.second, &bytes)) << entry.second;
            bytes_[entry.first] = bytes;
        }
    }

    ResourceLookup Lookup() const
    {
        return [this](ResourceKind kind, int id, std::string* bytes) {
            auto it = bytes_.find(Key(kind, id));
            if (it == bytes_.end())
                return false;
            *bytes = it->second;
            return true;
        };
    }

    // Replaces the first `from` in one resource; the test fails if there is none.
    void Edit(ResourceKind kind, int id, const std::string& from, const std::string& to)
    {
        std::string& text = bytes_[Key(kind, id)];
        size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }

    // True when some problem line mentions every one of the words.
    bool Reported(const std::vector<const char*>& words) const
    {
        for (const std::string& line : CrossCheckResources(Lookup())) {
            bool all = true;
            for (const char* w : words)
                all = all && line.find(w) != std::string::npos;
            if (all)
                return true;
        }
        return false;
    }

    std::map<Key, std::string> files_;
    std::map<Key, std::string> bytes_;
};

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& l : lines)
        all += l + "\n";
    return all;
}

TEST_F(ResourceFiles, FitTogether)
{
    std::vector<std::string> problems = CrossCheckResources(Lookup());
    EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST_F(ResourceFiles, EveryImageIsUsedBySomeSkinAndHeadersRejectOtherBytes)
{
    const std::string skins = bytes_[Key(ResourceKind::Xml, 100)];
    for (const auto& entry : files_) {
        const std::string src = "src=" + std::to_string(entry.first.second);
        if (entry.first.first != ResourceKind::Xml) {
            EXPECT_TRUE(skins.find(src + " ") != std::string::npos || skins.find(src + "/") != std::string::npos)
                << entry.second << " is named by no skin";
        }
    }
    ImageSize size;
    const std::string& png = bytes_[Key(ResourceKind::Png, 1001)];
    const std::string& bmp = bytes_[Key(ResourceKind::Bitmap, 73)];
    EXPECT_FALSE(ReadPngSize(bmp, &size) || ReadBitmapSize(png, &size) || ReadPngSize(png.substr(0, 20), &size) ||
                 ReadBitmapSize(bmp.substr(0, 20), &size) || ReadPngSize("", &size));
    ASSERT_TRUE(ReadBitmapSize(bmp.substr(14), &size)) << "a bitmap resource is the file without its 14-byte header";
    EXPECT_EQ(size.width, 3);
    EXPECT_EQ(size.height, 82);
}

TEST_F(ResourceFiles, TheCheckNoticesEachKindOfFault)
{
    const struct {
        ResourceKind kind;
        int id;
        const char *from, *to;
        std::vector<const char*> reported;
    } edits[] = {
        {ResourceKind::Xml, 100, "subwidth=35", "subwidth=34", {"closeonlybtn", "cells"}},
        {ResourceKind::Xml, 100, "src=1004", "src=1016", {"Arrow", "PNG 1016 missing"}},
        {ResourceKind::Xml, 101, "thumb=\"AppPackageSBarThumb\"", "thumb=\"NoThumb\"", {"appPScrollBar", "NoThumb"}},
        {ResourceKind::Xml, 101, "cursor=\"hand\"", "cursor=\"finger\"", {"unknown cursor finger"}},
        {ResourceKind::Xml, 101, "name=\"linktext3\"", "name=\"linktext5\"", {"link 22003", "linktext3"}},
        {ResourceKind::Xml, 103, "skin=\"Arrow\"", "skin=\"Arow\"", {"20011", "Arow"}},
        {ResourceKind::Xml, 103, "id=\"20019\"", "id=\"20003\"", {"id 20003 given 2 times"}},
        {ResourceKind::Xml, 103, "pos=\"15,114,70,129\"", "pos=\"15,114,70\"", {"20028", "two or four"}},
        {ResourceKind::Xml, 103, "crtext=\"EB511B\"", "crtext=\"red\"", {"20006", "crtext is not a colour"}},
        {ResourceKind::Xml, 103, ">KorvelTarvo<", ">%str7%<", {"60004", "%str7%"}},
        {ResourceKind::Xml, 100, "<skins>", "<skin>", {"XML 100", "does not parse"}},
    };
    for (const auto& e : edits) {
        const std::string original = bytes_[Key(e.kind, e.id)];
        Edit(e.kind, e.id, e.from, e.to);
        EXPECT_TRUE(Reported(e.reported)) << e.from << " -> " << e.to;
        bytes_[Key(e.kind, e.id)] = original;
    }
    bytes_[Key(ResourceKind::Png, 1007)] = bytes_[Key(ResourceKind::Png, 1008)];
    bytes_[Key(ResourceKind::Bitmap, 73)] = bytes_[Key(ResourceKind::Png, 1002)];
    bytes_.erase(Key(ResourceKind::Xml, 102));
    EXPECT_TRUE(Reported({"WaitImage", "no whole number of 21-pixel cells"}));
    EXPECT_TRUE(Reported({"BackGround", "not a bitmap"}));
    EXPECT_TRUE(Reported({"XML 102", "missing"}));
}

}  // namespace
