#include "HostWindowMode.h"

#include <cstdio>

#include "toolkit/host/BkDialogImpl.h"
#include "toolkit/host/ElementNotify.h"

namespace {
const UINT_PTR kCloseTimer = 1;

class ViewerDialog : public CBkDialogImpl {
public:
    explicit ViewerDialog(int seconds) : CBkDialogImpl(0), seconds_(seconds) {}

protected:
    BOOL OnWindowMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override
    {
        switch (message) {
        case WM_INITDIALOG:
            if (seconds_ > 0)
                SetTimer(GetHwnd(), kCloseTimer, static_cast<UINT>(seconds_) * 1000, nullptr);
            return FALSE;
        case WM_TIMER:
            if (wparam != kCloseTimer)
                return FALSE;
            EndDialog(0);
            return TRUE;
        case WM_NOTIFY: {
            const auto* notify = reinterpret_cast<const ElementNotify*>(lparam);
            if (notify->hdr.code == NotifyClick || notify->hdr.code == NotifyDoubleClick) {
                std::printf("%s %u %s\n", notify->hdr.code == NotifyClick ? "click" : "double-click",
                    notify->itemId, notify->itemClass ? notify->itemClass : "");
                std::fflush(stdout);
                if (notify->hdr.code == NotifyClick && notify->itemId == IDCANCEL)
                    EndDialog(0);
            }
            *result = 0;
            return TRUE;
        }
        default:
            return FALSE;
        }
    }

private:
    int seconds_;
};
}  // namespace

int RunInHostWindow(const std::string& layerText, int seconds)
{
    ViewerDialog dialog(seconds);
    if (!dialog.View().LoadLayer(layerText)) {
        std::fprintf(stderr, "cannot load the layer\n");
        return 1;
    }
    dialog.DoModal(nullptr);
    return 0;
}
