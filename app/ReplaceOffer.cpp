#include "app/ReplaceOffer.h"

#include <windows.h>

#include "app/ReasonLine.h"
#include "app/UiTrace.h"
#include "toolkit/host/BkDialogImpl.h"

namespace {

const wchar_t kTitle[] = L"卸载旧版后安装";
const wchar_t kWarning[] =
    L"手机上已有签名不同的同名应用。\n\n"
    L"卸载旧版会删除这个应用在手机上的全部数据（设置、登录信息、存档等），无法恢复。\n\n"
    L"确定要卸载旧版后安装吗？";

}  // namespace

void ReplaceOffer::OnProgress(const InstallProgress& progress, bool listMode)
{
    // Never after an install on every phone: the phones where it succeeded
    // would lose the app's data for nothing.
    Show(!listMode && progress.result == InstallInconsistentCertificates && progress.perPhone.size() <= 1);
}

bool ReplaceOffer::Confirm()
{
    // No is the default: Enter alone deletes nothing.
    if (MessageBoxW(dialog_.GetHwnd(), kWarning, kTitle, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return false;
    engine_.ReplaceOtherSignerOnce();
    Show(false);
    return true;
}

void ReplaceOffer::Show(bool shown)
{
    // The reason line gives up the right end of its row to the offer.
    reason_.MakeRoom(shown);
    TraceShown(kElement, shown);
    dialog_.SetItemVisible(kElement, shown);
}
