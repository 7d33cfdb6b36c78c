#include "toolkit/XmlDocument.h"

bool ParseXmlText(const char* text, TiXmlDocument* doc)
{
    doc->Clear();
    if (!text)
        return false;
    doc->Parse(text, nullptr, TIXML_ENCODING_UTF8);
    return !doc->Error() && doc->RootElement() != nullptr;
}
