// "radio": drawn like "check" as a radio button; a release checks it and
// unchecks the other members of its "group".
#pragma once

#include <string>

#include "toolkit/controls/BkCheckBox.h"

class CBkRadioBox : public CBkCheckBox {
public:
    ~CBkRadioBox() override;
    const char* GetClassName() const override { return "radio"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

    const std::wstring& Group() const { return group_; }

protected:
    void OnRelease() override;
    bool IsRadio() const override { return true; }

    std::wstring group_;
};
