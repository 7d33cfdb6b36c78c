#include "toolkit/XmlDocument.h"

#include <string>

namespace {

// TinyXML steps over a UTF-8 character by the length its first byte
// announces, even when the text ends inside the character, and then reads
// on past the terminator. Zeros after the text keep that step (at most
// three bytes) in memory we own and end the parse there.
constexpr size_t kTrailingZeros = 8;

}  // namespace

bool ParseXmlText(const char* text, TiXmlDocument* doc)
{
    doc->Clear();
    if (!text)
        return false;
    std::string padded(text);
    padded.append(kTrailingZeros, '\0');
    // Element text exactly as written: "安  装" keeps both blanks.
    TiXmlBase::SetCondenseWhiteSpace(false);
    doc->Parse(padded.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (doc->Error()) {
        // A half-read tree is never used.
        doc->Clear();
        return false;
    }
    return true;
}
