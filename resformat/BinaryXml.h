// Android's compiled XML (AndroidManifest.xml inside a package): the start
// and end of each element with its attributes, in document order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resformat/StringPool.h"

namespace res {

struct XmlAttribute {
    std::string ns;              // namespace URI; empty when none
    std::string name;
    std::uint32_t resId = 0;     // the attribute's resource id, 0 when none
    std::uint32_t rawIndex = kNoIndex;  // the value as written, in the pool
    Value value;
};

struct XmlEvent {
    bool start = true;  // false: the element ends
    std::string name;
    std::vector<XmlAttribute> attributes;
};

class BinaryXml {
public:
    // False when the document is damaged (what was read before stays).
    bool Read(const std::string& bytes);

    const std::vector<XmlEvent>& Events() const { return events_; }
    const StringPool& Strings() const { return strings_; }

private:
    bool ReadElement(const Bytes& chunk);

    StringPool strings_;
    std::vector<std::uint32_t> resourceMap_;
    std::vector<XmlEvent> events_;
};

// Index of the attribute with that resource id, or -1.
int FindAttribute(const XmlEvent& element, std::uint32_t resId);
// Index of the attribute with that name and no namespace, or -1.
int FindPlainAttribute(const XmlEvent& element, const char* name);

}  // namespace res
