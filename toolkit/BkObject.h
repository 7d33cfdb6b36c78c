// Root of everything the toolkit reads from XML: elements, styles and skins
// all take their settings through SetAttribute.
#pragma once

#include <cstdint>
#include <string>

class TiXmlElement;

// Results of SetAttribute.
constexpr int32_t kAttrApplied = 0;
constexpr int32_t kAttrRepaint = 1;  // applied, only a repaint is needed
constexpr int32_t kAttrNotRecognised = static_cast<int32_t>(0x80004005u);  // E_FAIL

class CBkObject {
public:
    virtual ~CBkObject() = default;

    // True when tag is this class's own tag (exact, case-sensitive).
    virtual bool IsClass(const char* tag) const;
    virtual const char* GetClassName() const = 0;
    // Applies every attribute in document order, ignoring the results.
    virtual bool Load(const TiXmlElement* xml);
    virtual int32_t SetAttribute(const std::string& name, const std::string& value, bool loading);
};

// Offers every attribute of xml to object in document order.
void ApplyXmlAttributes(CBkObject* object, const TiXmlElement* xml, bool loading);
