#include "toolkit/ElementFactory.h"

#include <cstring>

#include "toolkit/BkDialog.h"
#include "toolkit/BkDialogFile.h"

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

// Tried before the registered factory.
const BuiltIn kContainers[] = {
    {"dlg", &Make<CBkDialog>},
    {"dlgfile", &Make<CBkDialogFile>},
};

// The built-in leaf kinds, tried after the registered factory in this
// order. A kind whose class is not part of the toolkit yet has no maker and
// its tag creates nothing, like an unknown tag.
const BuiltIn kLeaves[] = {
    {"text", nullptr},     {"vtext", nullptr},         {"button", nullptr}, {"img", nullptr},
    {"progress", nullptr}, {"paintprogress", nullptr}, {"imgbtn", nullptr}, {"realwnd", nullptr},
    {"hr", nullptr},       {"check", nullptr},         {"icon", nullptr},   {"tabctrl", nullptr},
    {"radio", nullptr},    {"richtext", nullptr},      {"link", nullptr},   {"memimage", nullptr},
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
    for (const BuiltIn& b : kLeaves) {
        if (std::strcmp(tag, b.tag) == 0)
            return b.create ? b.create() : nullptr;
    }
    return nullptr;
}
