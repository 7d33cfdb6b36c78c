// String documents as anything at all: only a parsed document whose root
// is "string" loads, and loading keeps the strings set before.
#include <cstring>

#include "fuzz/FuzzCheck.h"
#include "fuzz/GuardedText.h"
#include "toolkit/BkString.h"
#include "toolkit/XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    BkString table;
    const int kEarlier = -2147483647;
    table.Set(kEarlier, L"earlier");
    const bool loaded = table.LoadDocument(fuzz::GuardedText(text).c_str());
    TiXmlDocument doc;
    const bool parses = ParseXmlText(text.c_str(), &doc);
    FUZZ_CHECK(loaded == (parses && doc.RootElement() && std::strcmp(doc.RootElement()->Value(), "string") == 0));
    std::wstring earlier;
    FUZZ_CHECK(table.Get(kEarlier, &earlier));
    return 0;
}
