// Style documents as anything at all: the default style always exists, a
// document that does not parse leaves only it, and every named class ends
// with the values of the last class of its name that sets them.
#include <cstring>
#include <map>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/StylePool.h"
#include "toolkit/XmlDocument.h"

namespace {

// The attributes the document gives each name, the last setting winning.
struct Expected {
    std::map<std::string, std::string> attributes;
};

void CheckColour(uint32_t colour)
{
    FUZZ_CHECK(colour == kInvalidColour || (colour & 0xFF000000u) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    StylePool pool;
    const bool loaded = pool.LoadDocument(fuzz::GuardedText(text).c_str());

    FUZZ_CHECK(pool.Has(""));
    FUZZ_CHECK(pool.Count() >= 1);
    TiXmlDocument doc;
    FUZZ_CHECK(ParseXmlText(text.c_str(), &doc) == loaded);
    if (!loaded || !doc.RootElement() || std::strcmp(doc.RootElement()->Value(), "style") != 0) {
        FUZZ_CHECK(pool.Count() == 1);
        return 0;
    }

    std::map<std::string, Expected> expected;
    for (const TiXmlElement* c = doc.RootElement()->FirstChildElement("class"); c;
         c = c->NextSiblingElement("class")) {
        const char* name = c->Attribute("name");
        if (!name)
            continue;
        Expected& e = expected[name];
        for (const TiXmlAttribute* a = c->FirstAttribute(); a; a = a->Next())
            e.attributes[a->Name()] = a->Value();
    }
    // A class named "" shares the default's slot.
    FUZZ_CHECK(pool.Count() == expected.size() + (expected.count("") ? 0 : 1));

    const bool literal = text.find('&') == std::string::npos;
    for (const auto& entry : expected) {
        const std::string& name = entry.first;
        const Expected& e = entry.second;
        FUZZ_CHECK(pool.Has(name));
        const BkStyle& s = pool.GetStyle(name);
        for (uint32_t c : {s.crbg, s.crbghover, s.crtext, s.crhover, s.crdisabled})
            CheckColour(c);
        FUZZ_CHECK(s.cursor == kCursorArrow || s.cursor == kCursorHand);
        FUZZ_CHECK(s.name == name);
        auto has = [&](const char* attr, std::string* value) {
            auto it = e.attributes.find(attr);
            if (it == e.attributes.end())
                return false;
            *value = it->second;
            return true;
        };
        std::string v;
        if (has("crtext", &v))
            FUZZ_CHECK(s.crtext == ParseColour(v));
        if (has("crbg", &v))
            FUZZ_CHECK(s.crbg == ParseColour(v));
        if (has("font", &v))
            FUZZ_CHECK(s.font.set && s.font.code == ParseFontCode(v));
        else
            FUZZ_CHECK(!s.font.set);
        if (has("textmode", &v))
            FUZZ_CHECK(s.textmode == ParseHex(v));
        if (has("skin", &v))
            FUZZ_CHECK(s.skin == v);
        // Without entities every text value is a piece of the document.
        if (literal) {
            for (const std::string* t : {&s.skin, &s.uporleft, &s.downorright, &s.thumb, &s.rail, &s.bkgd, &s.name})
                FUZZ_CHECK(text.find(*t) != std::string::npos);
        }
    }
    return 0;
}
