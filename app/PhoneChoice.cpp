#include "app/PhoneChoice.h"

#include "app/PhoneMenu.h"
#include "app/PhoneText.h"
#include "app/UiTrace.h"
#include "toolkit/host/BkDialogImpl.h"

std::wstring PhoneChoice::OnProgress(const InstallProgress& progress)
{
    const InstallTarget target = engine_.Target();
    if (progress.result == InstallMultipleDevices && !progress.phones.empty())
        offered_ = progress.phones;
    if (progress.result == InstallNoDevice && target.kind == InstallTarget::Kind::OnePhone)
        Choose(InstallTarget{});
    if (target.kind != InstallTarget::Kind::EveryPhone || progress.perPhone.empty())
        return progress.reason;
    const std::wstring line = OutcomeLine(progress.perPhone);
    return progress.reason.empty() ? line : line + L"。" + progress.reason;
}

bool PhoneChoice::Offer()
{
    const std::vector<Phone> phones = std::move(offered_);
    offered_.clear();
    CBkWindow* button = dialog_.FindItem(kInstallButton);
    if (phones.empty() || !button)
        return false;
    RECT anchor = button->Rect();
    MapWindowPoints(dialog_.View().Hwnd(), nullptr, reinterpret_cast<POINT*>(&anchor), 2);
    const int chosen = ShowPhoneMenu(dialog_.View().Hwnd(), anchor, MenuEntries(phones));
    if (chosen < 0)
        return false;
    InstallTarget target;
    if (static_cast<size_t>(chosen) < phones.size()) {
        target.kind = InstallTarget::Kind::OnePhone;
        target.phone = phones[chosen];
    } else {
        target.kind = InstallTarget::Kind::EveryPhone;
    }
    Choose(target);
    return true;
}

void PhoneChoice::Choose(const InstallTarget& target)
{
    engine_.SetTarget(target);
    const std::wstring line = TargetLine(target);
    TraceText(kElement, line);
    dialog_.SetItemText(kElement, line);
    dialog_.SetItemAttribute(kElement, "tip", TargetTip(target));
    TraceShown(kElement, !line.empty());
    dialog_.SetItemVisible(kElement, !line.empty());
}
