// The main window's side of an install: starting the worker, its three
// reports, the outcome messages and the success countdown.
#include "app/MainDlg.h"

#include "app/AppItem.h"
#include "app/InstallOutcome.h"
#include "app/PackageText.h"
#include "device/InstallWorker.h"
#include "toolkit/list/BkListCtrlSBar.h"

void CMainDlg::StartInstall()
{
    SetItemVisible(20007, false);
    if (listMode_) {
        AppItem* item = ItemAt(runBase_);
        if (!item || item->installed)
            return;
        item->statusText = L"正在安装";
        RedrawRows();
    }
    ShowWaitingState();
    replaceOffer_.Withdraw();
    EnableInstallButton(false);
    waitIcon_.SetUp(this, 20019, 8);
    EnableItem(22006, false);
    waitIcon_.StartOrStop(true);

    if (!reporter_)
        reporter_ = std::make_unique<WindowReporter>(GetHwnd());
    InstallRequest request;
    request.engine = &installer_;
    request.reporter = reporter_.get();
    request.pendingPaths = [this] { return PendingPaths(); };
    if (!StartInstallWorker(request)) {
        waitIcon_.StartOrStop(false);
        ShowIdleState();
        SetItemText(20006, L"安装出错!");
    } else {
        installRunning_ = true;
    }
    EnableInstallButton(true);
}

void CMainDlg::OnInstallStart()
{
    ShowWaitingState();
    waitIcon_.StartOrStop(true);
    std::vector<std::wstring> pending = PendingPaths();
    if (pending.empty())
        return;
    currentFileName_ = FileNameOf(pending.front());
    SetItemAttribute(20020, "tip", InstallingTip(currentFileName_));
    if (packageList_ && listMode_) {
        if (AppItem* item = ItemAt(runBase_)) {
            item->statusText = L"正在安装";
            RedrawRows();
        }
    }
}

void CMainDlg::OnInstallProgress(InstallProgress* progress)
{
    if (!progress)
        return;
    progress->index += runBase_;
    const InstallOutcome& outcome = OutcomeFor(progress->result);
    std::wstring message;
    if (!listMode_) {
        if (outcome.success) {
            SetItemVisible(20007, true);
            SetItemText(20007, outcome.detailText);
            SetItemVisible(20006, false);
            FinishSingleInstall();
            KillTimer(GetHwnd(), kAnimationTimer);
            SetTimer(GetHwnd(), kCountdownTimer, 1000, nullptr);
        } else {
            message = outcome.detailText;
            if (outcome.detailEnablesInstall)
                EnableInstallButton(true);
            if (outcome.detailFinishes)
                FinishSingleInstall();
        }
    } else {
        if (outcome.endsBatch) {
            message = outcome.detailText;
            EnableInstallButton(true);
        }
        UpdateRow(progress, outcome.row);
    }
    std::vector<std::wstring> pending = PendingPaths();
    if (!pending.empty() && installer_.PendingCount() >= 1) {
        currentFileName_ = FileNameOf(pending.front());
        SetItemAttribute(20020, "tip", InstallingTip(currentFileName_));
    }
    SetItemText(20006, message);
    reason_.Set(phoneChoice_.OnProgress(*progress));
    replaceOffer_.OnProgress(*progress, listMode_);
}

void CMainDlg::FinishSingleInstall()
{
    freshView_ = true;
    std::lock_guard<std::mutex> hold(pendingLock_);
    if (pendingPaths_.empty())
        return;
    if (FileNameOf(pendingPaths_.front()) == currentFileName_)
        currentFileName_.clear();
    pendingPaths_.erase(pendingPaths_.begin());
    if (packageList_) {
        // The details keep showing this package, icon included.
        if (std::unique_ptr<ListRowRecord> row = packageList_->RemoveItem(0))
            shownItem_ = std::move(row->element);
        RowsChanged();
    }
}

void CMainDlg::OnInstallDone()
{
    if (listMode_) {
        if (installer_.PendingCount() >= 1)
            EnableInstallButton(true);
        else
            runBase_ = nextIndex_;
        currentFileName_.clear();
        EnableItem(22006, true);
    }
    waitIcon_.StartOrStop(false);
    ShowIdleState();
    installRunning_ = false;
    if (phoneChoice_.HasOffer())
        PostMessageW(GetHwnd(), kOfferPhonesMessage, 0, 0);
}

void CMainDlg::CountdownTick()
{
    KillTimer(GetHwnd(), kAnimationTimer);
    switch (countdown_.Tick()) {
    case Countdown::Step::Cancelled:
        KillTimer(GetHwnd(), kCountdownTimer);
        SetItemVisible(20007, false);
        EnableInstallButton(true);
        return;
    case Countdown::Step::Close:
        KillTimer(GetHwnd(), kCountdownTimer);
        CloseMainWindow();
        return;
    case Countdown::Step::Show:
        SetItemText(20007, countdown_.Text());
        SetItemText(20020, L"");
        return;
    }
}
