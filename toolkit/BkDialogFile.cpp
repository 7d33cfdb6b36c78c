#include "toolkit/BkDialogFile.h"

#include <vector>

#include <tinyxml.h>

#include "toolkit/ElementFactory.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/XmlResource.h"

namespace {
// A layout that names itself (directly or through others) would recurse
// without end; nesting this deep is never a real layout.
const int kMaxNesting = 16;
int g_nesting = 0;

struct NestingGuard {
    NestingGuard() { ++g_nesting; }
    ~NestingGuard() { --g_nesting; }
};
}  // namespace

int32_t CBkDialogFile::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t result = CBkDialog::SetAttribute(name, value, loading);
    if (result != kAttrNotRecognised)
        return result;
    if (name == "src") {
        src_ = ParseDecimal(value);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

bool CBkDialogFile::Load(const TiXmlElement* xml)
{
    // The element's own attributes only: its children come from the resource.
    if (!CBkWindow::Load(xml))
        return false;
    LRESULT ignored = 0;
    ProcessMessage(host_, WM_DESTROY, 0, 0, &ignored);
    if (!xml->Attribute("src"))
        return false;
    std::vector<char> text;
    if (src_ <= 0 || g_nesting >= kMaxNesting || !LoadXmlResource(static_cast<unsigned>(src_), &text))
        return true;
    TiXmlDocument doc;
    const TiXmlElement* root = ParseXmlText(text.data(), &doc) ? doc.RootElement() : nullptr;
    if (!root)
        return true;
    std::unique_ptr<CBkWindow> child = CreateElement(root->Value());
    // A layout root such as "listitem" is no element kind: it holds
    // children like a "dlg".
    if (!child)
        child = std::make_unique<CBkDialog>();
    NestingGuard guard;
    child->SetParentHandle(handle_);
    child->SetContainer(host_);
    child->Load(root);
    AppendChild(std::move(child));
    return true;
}
