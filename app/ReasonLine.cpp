#include "app/ReasonLine.h"

#include "app/UiTrace.h"
#include "toolkit/host/BkDialogImpl.h"

void ReasonLine::Set(const std::wstring& reason)
{
    reason_ = reason;
    Apply();
}

void ReasonLine::SetWaiting(bool waiting)
{
    waiting_ = waiting;
    Apply();
}

void ReasonLine::Apply()
{
    const bool shown = !waiting_ && !reason_.empty();
    const std::wstring text = shown ? reason_ : std::wstring();
    TraceText(kElement, text);
    dialog_.SetItemText(kElement, text);
    // The line is narrow beside the install button; the tip holds it whole.
    dialog_.SetItemAttribute(kElement, "tip", text);
    TraceShown(kElement, shown);
    dialog_.SetItemVisible(kElement, shown);
}

void ReasonLine::MakeRoom(bool room)
{
    dialog_.SetItemAttribute(kElement, "pos", std::string(room ? "15,-16,166,-2" : "15,-16,258,-2"));
}
