#include "app/ShowAppItemObserver.h"

#include "app/AppItem.h"
#include "app/BkWndOwnPaintCtrl.h"
#include "app/UiTrace.h"
#include "toolkit/BkContainerWnd.h"
#include "toolkit/list/BkListCtrl.h"

namespace {

CBkWindow* Child(CBkWindow* rowTemplate, int id)
{
    auto* container = dynamic_cast<CBkContainerWnd*>(rowTemplate);
    return container ? container->FindChildById(id) : nullptr;
}

}  // namespace

showAppItemObserver::showAppItemObserver(IconCache* icons) : icons_(icons)
{
    painter_.LoadFromSkin("ListDefaultIco", false);
}

int32_t showAppItemObserver::OnListEvent(CBkListCtrl* list, int32_t code, int32_t, CBkWindow* rowTemplate)
{
    if (auto* icon = dynamic_cast<BkWndOwnPaintCtrl*>(Child(rowTemplate, 22002)))
        icon->SetPainter(&painter_);
    if (!rowTemplate || !list || code != ListEventFillRow)
        return 1;
    const ListRowNotify& row = list->RowNotify();
    auto* item = dynamic_cast<AppItem*>(list->GetItemElement(row.row));
    const bool hovered = (row.state & ListRowHover) != 0;
    list->ShowChild(22006, hovered);
    list->ShowChild(22003, hovered);
    list->ShowChild(22009, !hovered);
    if (!item)
        return 1;
    list->SetChildText(22003, item->label);
    list->SetChildText(22009, item->label);
    list->ShowChild(22004, item->showStatus);
    list->SetChildText(22004, item->statusText);
    list->ShowChild(22007, item->showError);
    list->SetChildText(22007, item->statusText);
    list->SetChildTip(22003, item->label);
    list->SetChildTip(22007, item->statusTip);
    TraceRow(row.row, item->label, item->showStatus || item->showError ? item->statusText : std::wstring(),
             item->showError);
    if (SharedImage icon = icons_->Get(*item))
        painter_.SetImage(std::move(icon));
    else
        painter_.LoadFromSkin("ListDefaultIco", true);
    return 1;
}
