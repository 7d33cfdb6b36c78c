// Any resource document (layouts, skins, styles, strings) as anything at
// all: it parses into a tree whose element and attribute names are pieces
// of the text (possibly without a root), or into nothing.
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    TiXmlDocument doc;
    if (!ParseXmlText(fuzz::GuardedText(text).c_str(), &doc)) {
        // A half-read tree is never left behind.
        FUZZ_CHECK(doc.FirstChild() == nullptr);
        return 0;
    }
    // Only a declaration or comments: it parses, with no root.
    if (!doc.RootElement())
        return 0;
    size_t tags = 0;
    for (char c : text)
        tags += c == '<';

    // Iterative, so the check itself does not recurse as deep as the tree.
    std::vector<const TiXmlElement*> pending = {doc.RootElement()};
    size_t elements = 0;
    while (!pending.empty()) {
        const TiXmlElement* e = pending.back();
        pending.pop_back();
        FUZZ_CHECK(++elements <= tags);
        FUZZ_CHECK(text.find(e->Value()) != std::string::npos);
        for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
            FUZZ_CHECK(text.find(a->Name()) != std::string::npos);
            int number = 0;
            e->QueryIntAttribute(a->Name(), &number);
        }
        e->GetText();
        for (const TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement())
            pending.push_back(c);
    }
    for (const TiXmlElement* e = doc.RootElement(); e; e = e->NextSiblingElement())
        FUZZ_CHECK(text.find(e->Value()) != std::string::npos);
    return 0;
}
