// String documents as anything at all: a document that does not parse or
// has another root (or none) adds nothing, and every "s" with an id ends up in the
// table with the text of the last one of its id.
#include <cstring>
#include <map>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/BkString.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    BkString table;
    // Loading adds to what is there: a string set before must survive
    // unless the document sets the same id.
    const int kEarlier = -2147483647;
    table.Set(kEarlier, L"earlier");
    const bool loaded = table.LoadDocument(fuzz::GuardedText(text).c_str());

    TiXmlDocument doc;
    const bool parses = ParseXmlText(text.c_str(), &doc);
    FUZZ_CHECK(loaded == (parses && doc.RootElement() && std::strcmp(doc.RootElement()->Value(), "string") == 0));
    std::map<int, std::wstring> expected;
    expected[kEarlier] = L"earlier";
    if (loaded) {
        for (const TiXmlElement* s = doc.RootElement()->FirstChildElement("s"); s; s = s->NextSiblingElement("s")) {
            const char* id = s->Attribute("id");
            if (!id)
                continue;
            const char* body = s->GetText();
            expected[ParseDecimal(id)] = body ? Utf8ToWide(body) : std::wstring();
        }
    }
    FUZZ_CHECK(table.Count() == expected.size());
    for (const auto& [id, value] : expected) {
        std::wstring got;
        FUZZ_CHECK(table.Get(id, &got));
        FUZZ_CHECK(got == value);
    }
    return 0;
}
