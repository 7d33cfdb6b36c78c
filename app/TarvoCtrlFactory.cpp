#include "app/TarvoCtrlFactory.h"

#include <cstring>

#include "app/BkWndMemImageCtrl.h"
#include "app/BkWndOwnPaintCtrl.h"
#include "toolkit/list/BkListCtrl.h"
#include "toolkit/list/BkListCtrlSBar.h"

CBkWindow* TarvoCtrlFactory::CreateCtrl(const char* tag)
{
    if (!tag)
        return nullptr;
    if (std::strcmp(tag, "list") == 0)
        return new CBkListCtrl();
    if (std::strcmp(tag, "listSbar") == 0)
        return new CBkListCtrlSBar();
    if (std::strcmp(tag, "memImage") == 0)
        return new BkWndMemImageCtrl();
    if (std::strcmp(tag, "ownPaint") == 0)
        return new BkWndOwnPaintCtrl();
    return nullptr;
}
