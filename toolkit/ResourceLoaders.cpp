#include "toolkit/ResourceLoaders.h"

#include <vector>

#include "toolkit/BkString.h"
#include "toolkit/StylePool.h"
#include "toolkit/XmlResource.h"

bool LoadStyles(unsigned id)
{
    std::vector<char> text;
    if (!LoadXmlResource(id, &text)) {
        // A missing document still leaves the pool holding only the default.
        StylePool::Instance().Clear();
        return false;
    }
    return StylePool::Instance().LoadDocument(text.data());
}

bool LoadStrings(unsigned id)
{
    std::vector<char> text;
    if (!LoadXmlResource(id, &text))
        return false;
    return BkString::Instance().LoadDocument(text.data());
}
