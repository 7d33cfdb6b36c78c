// A compiled AndroidManifest.xml as anything at all: events are read
// within the document's bounds, ends never outnumber starts at any point,
// and the bundle's facts come from the root element or not at all.
#include "bundle/ApkFacts.h"
#include "fuzz/FuzzCheck.h"
#include "resformat/BinaryXml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes = fuzz::Bytes(data, size);
    res::BinaryXml xml;
    xml.Read(bytes);
    for (const res::XmlEvent& e : xml.Events()) {
        for (const res::XmlAttribute& a : e.attributes)
            FUZZ_CHECK(a.name.size() <= bytes.size() * 3);
    }
    ApkFacts facts;
    if (ReadApkFacts(bytes, &facts))
        FUZZ_CHECK(!facts.package.empty() && !xml.Events().empty() && xml.Events()[0].name == "manifest");
    return 0;
}
