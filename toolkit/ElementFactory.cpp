#include "toolkit/ElementFactory.h"

#include <cstring>

#include "toolkit/BkDialog.h"

namespace {

ICtrlFactory*& FactorySlot()
{
    static ICtrlFactory* factory = nullptr;
    return factory;
}

template <typename T>
std::unique_ptr<CBkWindow> Make()
{
    return std::make_unique<T>();
}

struct BuiltIn {
    const char* tag;
    std::unique_ptr<CBkWindow> (*create)();
};

// Tried before the registered factory ("dlgfile" joins "dlg" here).
const BuiltIn kContainers[] = {
    {"dlg", &Make<CBkDialog>},
};


}  // namespace

void ControlsFactory::Register(ICtrlFactory* factory)
{
    FactorySlot() = factory;
}

ICtrlFactory* ControlsFactory::Registered()
{
    return FactorySlot();
}

std::unique_ptr<CBkWindow> CreateElement(const char* tag)
{
    if (!tag)
        return nullptr;
    for (const BuiltIn& b : kContainers) {
        if (std::strcmp(tag, b.tag) == 0)
            return b.create();
    }
    if (ICtrlFactory* factory = ControlsFactory::Registered()) {
        if (CBkWindow* made = factory->CreateCtrl(tag))
            return std::unique_ptr<CBkWindow>(made);
    }
    // The built-in leaf kinds follow the factory, in this order: text, vtext,
    // button, img, progress, paintprogress, imgbtn, realwnd, hr, check, icon,
    // tabctrl, radio, richtext, link, memimage.
    return nullptr;
}
