#include "toolkit/controls/BkTab.h"

#include "platform/Text.h"
#include "toolkit/StringSubst.h"
#include "toolkit/ValueFormat.h"

int32_t CBkTab::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkDialog::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "title") {
        title_ = SubstituteStringTokens(Utf8ToWide(value));
        return kAttrRepaint;
    }
    if (name == "hide") {
        hide_ = ParseDecimal(value);
        return kAttrRepaint;
    }
    return kAttrNotRecognised;
}

void CBkTab::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    // Without a four-item pos a page takes the whole frame offered.
    if (pos_.count == 4 || !fromPlacement)
        CBkDialog::OnNcCalcSize(fromPlacement, size);
}
