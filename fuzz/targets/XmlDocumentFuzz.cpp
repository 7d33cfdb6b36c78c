// Any resource document (layouts, skins, styles, strings) as anything at
// all: it parses into a tree whose element names are pieces of the text, or
// into nothing, never into half a tree; as styles, the default style always
// exists and every value read stays in its range; as strings, only a
// document whose root is "string" loads, and loading keeps what was there.
#include <cstring>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/BkString.h"
#include "toolkit/StylePool.h"
#include "toolkit/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    const fuzz::GuardedText guarded(text);
    TiXmlDocument doc;
    const bool parses = ParseXmlText(guarded.c_str(), &doc);
    if (!parses)
        FUZZ_CHECK(doc.FirstChild() == nullptr);
    // Iterative, so the walk itself does not recurse as deep as the tree.
    std::vector<const TiXmlElement*> pending;
    if (doc.RootElement())
        pending.push_back(doc.RootElement());
    while (!pending.empty()) {
        const TiXmlElement* e = pending.back();
        pending.pop_back();
        FUZZ_CHECK(text.find(e->Value()) != std::string::npos);
        for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next())
            a->Value();
        for (const TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement())
            pending.push_back(c);
    }

    StylePool styles;
    if (!styles.LoadDocument(guarded.c_str()))
        FUZZ_CHECK(styles.Count() == 1);
    FUZZ_CHECK(styles.Has(""));
    const BkStyle& s = styles.GetStyle("");
    for (uint32_t c : {s.crbg, s.crbghover, s.crtext, s.crhover, s.crdisabled})
        FUZZ_CHECK(c == kInvalidColour || (c & 0xFF000000u) == 0);
    FUZZ_CHECK(s.cursor == kCursorArrow || s.cursor == kCursorHand);

    BkString strings;
    const int kEarlier = -2147483647;
    strings.Set(kEarlier, L"earlier");
    const bool loaded = strings.LoadDocument(guarded.c_str());
    FUZZ_CHECK(loaded == (parses && doc.RootElement() && std::strcmp(doc.RootElement()->Value(), "string") == 0));
    std::wstring earlier;
    FUZZ_CHECK(strings.Get(kEarlier, &earlier));
    return 0;
}
