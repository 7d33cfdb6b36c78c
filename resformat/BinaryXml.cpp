#include "resformat/BinaryXml.h"

namespace res {

namespace {
// Bounds a damaged attribute count before anything is allocated for it.
constexpr std::uint16_t kMaxAttributes = 4096;
}  // namespace

bool BinaryXml::Read(const std::string& bytes)
{
    events_.clear();
    resourceMap_.clear();
    const Bytes file(bytes);
    const std::uint16_t type = file.U16(0), headerSize = file.U16(2);
    const std::uint32_t size = file.U32(4);
    if (file.Bad() || type != kXml || headerSize < 8)
        return false;
    const Bytes doc = file.Sub(0, size <= file.Size() ? size : file.Size());
    for (std::size_t at = headerSize; at < doc.Size();) {
        const Bytes chunk = doc.Chunk(at);
        if (chunk.Bad())
            return false;
        switch (chunk.U16(0)) {
        case kStringPool:
            if (!strings_.Read(chunk))
                return false;
            break;
        case kXmlResourceMap:
            for (std::size_t i = chunk.U16(2); i + 4 <= chunk.Size(); i += 4)
                resourceMap_.push_back(chunk.U32(i));
            break;
        case kXmlStartElement:
            if (!ReadElement(chunk))
                return false;
            break;
        case kXmlEndElement: {
            XmlEvent end;
            end.start = false;
            end.name = strings_.At(chunk.U32(chunk.U16(2) + 4));
            events_.push_back(end);
            break;
        }
        default:
            break;  // namespaces, text: nothing the badging needs
        }
        at += chunk.Size();
    }
    return true;
}

bool BinaryXml::ReadElement(const Bytes& chunk)
{
    const std::size_t ext = chunk.U16(2);
    XmlEvent element;
    element.name = strings_.At(chunk.U32(ext + 4));
    const std::size_t start = ext + chunk.U16(ext + 8);
    const std::size_t size = chunk.U16(ext + 10);
    const std::uint16_t count = chunk.U16(ext + 12);
    if (chunk.Bad() || count > kMaxAttributes || (count > 0 && size < 20) || !chunk.Has(start, size * count))
        return false;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::size_t a = start + size * i;
        XmlAttribute attr;
        attr.ns = strings_.At(chunk.U32(a));
        const std::uint32_t name = chunk.U32(a + 4);
        attr.name = strings_.At(name);
        attr.resId = name < resourceMap_.size() ? resourceMap_[name] : 0;
        attr.rawIndex = chunk.U32(a + 8);
        attr.value.type = chunk.U8(a + 15);
        attr.value.data = chunk.U32(a + 16);
        element.attributes.push_back(attr);
    }
    events_.push_back(element);
    return true;
}

int FindAttribute(const XmlEvent& element, std::uint32_t resId)
{
    for (size_t i = 0; i < element.attributes.size(); ++i)
        if (element.attributes[i].resId == resId)
            return static_cast<int>(i);
    return -1;
}

int FindPlainAttribute(const XmlEvent& element, const char* name)
{
    for (size_t i = 0; i < element.attributes.size(); ++i)
        if (element.attributes[i].ns.empty() && element.attributes[i].name == name)
            return static_cast<int>(i);
    return -1;
}

}  // namespace res
