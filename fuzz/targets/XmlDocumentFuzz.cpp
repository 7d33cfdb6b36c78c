// Any resource document (layouts, skins, styles, strings) as anything at
// all: it parses into a tree whose element names are pieces of the text, or
// into nothing, never into half a tree.
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    TiXmlDocument doc;
    if (!ParseXmlText(fuzz::GuardedText(text).c_str(), &doc)) {
        FUZZ_CHECK(doc.FirstChild() == nullptr);
        return 0;
    }
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
    return 0;
}
