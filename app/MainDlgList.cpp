// List mode of the main window: rows of packages with a detail side panel.
#include "app/MainDlg.h"

#include "app/AppItem.h"
#include "app/InstallOutcome.h"
#include "app/UiTrace.h"
#include "toolkit/list/BkListCtrlSBar.h"

namespace {

constexpr int kSidePanelWidth = 215;

struct MovedElement {
    int id;
    const char* pos;
};

const MovedElement kSidePanelPlaces[] = {
    {20015, "469,58,569,78"},   {20028, "409,114,464,129"}, {20017, "469,114,595,129"},
    {20009, "469,83,595,98"},   {20014, "409,50,457,98"},   {20029, "409,133,464,148"},
    {20018, "469,133,595,148"}, {20022, "393,174,594,174"}, {20008, "393,175,594,-1"},
    {20027, "15,48,75,61"},     {PhoneChoice::kElement, "165,48,285,61"},
};

}  // namespace

AppItem* CMainDlg::ItemAt(int row) const
{
    return packageList_ ? dynamic_cast<AppItem*>(packageList_->GetItemElement(row)) : nullptr;
}

void CMainDlg::RedrawRows()
{
    if (packageList_)
        packageList_->Redraw();
}

void CMainDlg::RowsChanged()
{
    packageList_->Relayout();
    TraceRowCount(packageList_->GetItemCount());
}

void CMainDlg::SwitchToListLayout()
{
    if (listMode_ || PendingPaths().empty())
        return;
    // The offer was for the one package shown; a list is never uninstalled first.
    replaceOffer_.Withdraw();
    for (int id : {20030, 20031, 20000})
        SetItemVisible(id, true);
    for (const MovedElement& m : kSidePanelPlaces)
        SetItemAttribute(m.id, "pos", std::string(m.pos));
    SetItemVisible(20024, false);
    SetItemAttribute(20024, "pos", std::string("75,43,155,54"));
    SetItemAttribute(20010, "pos", std::string("283,-35,355,-13"));
    SetItemText(20010, L"安装全部");
    for (int id : {20001, 20002, 20011})
        SetItemVisible(id, false);
    if (permissionsHidden_) {
        ResizeClientBy(0, kPermissionBand);
        InvalidateRect(GetHwnd(), nullptr, TRUE);
    }
    SetItemVisible(20024, true);
    listMode_ = true;
}

void CMainDlg::ShowIconOf(AppItem* item)
{
    SharedImage icon = item ? icons_.Get(*item) : nullptr;
    if (icon)
        iconPainter_->SetImage(std::move(icon));
    else
        iconPainter_->LoadFromSkin("DefaultIco", true);
    RedrawElement(20014);
}

void CMainDlg::ShowSelectedRow()
{
    if (!sidePanelOpen_) {
        ResizeClientBy(kSidePanelWidth, 0);
        SetItemVisible(20008, true);
        SetItemVisible(20022, true);
        sidePanelOpen_ = true;
        InvalidateRect(GetHwnd(), nullptr, TRUE);
    }
    AppItem* item = packageList_ ? ItemAt(packageList_->GetHoverIndex()) : nullptr;
    if (!item) {
        CollapseSidePanel();
        return;
    }
    SetItemText(20015, item->label);
    SetItemText(20009, item->sizeText);
    SetItemText(20017, item->versionName);
    SetItemText(20018, item->sdkVersion);
    if (permissionBox_.Hwnd())
        SetWindowTextW(permissionBox_.Hwnd(), item->permissionText.c_str());
    SetItemAttribute(20015, "tip", item->label);
    ShowIconOf(item);
}

void CMainDlg::CollapseSidePanel()
{
    if (!sidePanelOpen_)
        return;
    ResizeClientBy(-kSidePanelWidth, 0);
    SetItemVisible(20008, false);
    SetItemVisible(20022, false);
    sidePanelOpen_ = false;
    InvalidateRect(GetHwnd(), nullptr, TRUE);
}

void CMainDlg::DeleteSelectedRow()
{
    if (!packageList_)
        return;
    const int row = packageList_->GetHoverIndex();
    AppItem* item = ItemAt(row);
    if (!item)
        return;
    if (!item->installed) {
        std::lock_guard<std::mutex> hold(pendingLock_);
        const int position = row - nextIndex_;
        if (position < 0 || position >= static_cast<int>(pendingPaths_.size()))
            return;
        pendingPaths_.erase(pendingPaths_.begin() + position);
    } else if (runBase_ > 0) {
        --runBase_;
    }
    if (row < nextIndex_)
        --nextIndex_;
    packageList_->RemoveItem(row);
    RowsChanged();
    if (PendingPaths().empty())
        EnableInstallButton(false);
    ShowSelectedRow();
}

void CMainDlg::UpdateRow(InstallProgress* progress, const RowOutcome& row)
{
    AppItem* item = ItemAt(progress->index);
    if (!item)
        return;
    item->showError = row.showError;
    item->showStatus = row.showStatus;
    item->statusText = row.statusText;
    item->statusTip = row.statusTip;
    RedrawRows();
    if (!row.final) {
        runBase_ = progress->index;
        return;
    }
    if (!listMode_)
        return;
    {
        std::lock_guard<std::mutex> hold(pendingLock_);
        if (pendingPaths_.empty())
            return;
        item->installed = true;
        pendingPaths_.erase(pendingPaths_.begin());
    }
    progress->index += 1;
    if (installer_.PendingCount() >= 1) {
        if (AppItem* next = ItemAt(progress->index)) {
            next->statusText = L"正在安装";
            RedrawRows();
        }
    }
    nextIndex_ = progress->index;
}
