#include "toolkit/XmlDocument.h"

bool ParseXmlText(const char* text, TiXmlDocument* doc)
{
    doc->Clear();
    if (!text)
        return false;
    doc->Parse(text, nullptr, TIXML_ENCODING_UTF8);
    if (doc->Error() || doc->RootElement() == nullptr) {
        // A half-read tree is never used.
        doc->Clear();
        return false;
    }
    return true;
}
