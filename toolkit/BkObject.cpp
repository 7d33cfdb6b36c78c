#include "toolkit/BkObject.h"

#include <cstring>

#include <tinyxml.h>

bool CBkObject::IsClass(const char* tag) const
{
    return tag && std::strcmp(tag, GetClassName()) == 0;
}

bool CBkObject::Load(const TiXmlElement* xml)
{
    ApplyXmlAttributes(this, xml, true);
    return true;
}

int32_t CBkObject::SetAttribute(const std::string&, const std::string&, bool)
{
    return kAttrNotRecognised;
}

void ApplyXmlAttributes(CBkObject* object, const TiXmlElement* xml, bool loading)
{
    if (!xml)
        return;
    for (const TiXmlAttribute* a = xml->FirstAttribute(); a; a = a->Next())
        object->SetAttribute(a->Name(), a->Value(), loading);
}
