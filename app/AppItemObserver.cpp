#include "app/AppItemObserver.h"

#include "app/AppItem.h"
#include "app/BkWndOwnPaintCtrl.h"
#include "app/UiTrace.h"
#include "platform/Text.h"
#include "toolkit/BkContainerWnd.h"
#include "toolkit/list/BkListCtrl.h"

namespace {

// The template is filled while the list paints: its children are changed
// directly, since the list's own child helpers ask for another repaint
// each and a paint would then never end.
CBkWindow* Child(CBkWindow* rowTemplate, int id)
{
    auto* container = dynamic_cast<CBkContainerWnd*>(rowTemplate);
    return container ? container->FindChildById(id) : nullptr;
}

void Show(CBkWindow* rowTemplate, int id, bool show)
{
    if (CBkWindow* c = Child(rowTemplate, id))
        c->SetVisible(show);
}

void Text(CBkWindow* rowTemplate, int id, const std::wstring& text)
{
    CBkWindow* c = Child(rowTemplate, id);
    if (!c)
        return;
    c->SetText(text);
    CBkWindow* parent = c->GetParent();
    if (parent && parent->IsContainer())
        static_cast<CBkContainerWnd*>(parent)->RepositionChild(c);
    else
        c->FitToContent();
}

void Tip(CBkWindow* rowTemplate, int id, const std::wstring& tip)
{
    if (CBkWindow* c = Child(rowTemplate, id))
        c->SetAttribute("tip", WideToUtf8(tip), false);
}

}  // namespace

AppItemObserver::AppItemObserver()
{
    painter_.LoadFromSkin("ListDefaultIco", false);
}

int32_t AppItemObserver::OnListEvent(CBkListCtrl* list, int32_t code, int32_t, CBkWindow* rowTemplate)
{
    if (auto* icon = dynamic_cast<BkWndOwnPaintCtrl*>(Child(rowTemplate, 22002)))
        icon->SetPainter(&painter_);
    if (!rowTemplate || !list || code != ListEventFillRow)
        return 1;
    const ListRowNotify& row = list->RowNotify();
    auto* item = dynamic_cast<AppItem*>(list->GetItemElement(row.row));
    const bool hovered = (row.state & ListRowHover) != 0;
    Show(rowTemplate, 22006, hovered);
    Show(rowTemplate, 22003, hovered);
    Show(rowTemplate, 22009, !hovered);
    if (!item)
        return 1;
    Text(rowTemplate, 22003, item->label);
    Text(rowTemplate, 22009, item->label);
    Show(rowTemplate, 22004, item->showStatus);
    Text(rowTemplate, 22004, item->statusText);
    Show(rowTemplate, 22007, item->showError);
    Text(rowTemplate, 22007, item->statusText);
    Tip(rowTemplate, 22003, item->label);
    Tip(rowTemplate, 22007, item->statusTip);
    TraceRow(row.row, item->label, item->showStatus || item->showError ? item->statusText : std::wstring(),
             item->showError);
    if (item->Icon())
        painter_.SetImage(item->Icon());
    else
        painter_.LoadFromSkin("ListDefaultIco", true);
    return 1;
}
