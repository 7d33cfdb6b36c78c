#include "toolkit/ElementFactory.h"

#include <cstring>

#include "toolkit/BkDialog.h"
#include "toolkit/BkDialogFile.h"
#include "toolkit/controls/BkButton.h"
#include "toolkit/controls/BkCheckBox.h"
#include "toolkit/controls/BkIconWnd.h"
#include "toolkit/controls/BkImageBtnWnd.h"
#include "toolkit/controls/BkImageWnd.h"
#include "toolkit/controls/BkLine.h"
#include "toolkit/controls/BkLink.h"
#include "toolkit/controls/BkMemoryImage.h"
#include "toolkit/controls/BkPaintProgress.h"
#include "toolkit/controls/BkProgress.h"
#include "toolkit/controls/BkRadioBox.h"
#include "toolkit/controls/BkRealWnd.h"
#include "toolkit/controls/BkRichText.h"
#include "toolkit/controls/BkStatic.h"
#include "toolkit/controls/BkTabCtrl.h"
#include "toolkit/controls/BkVStatic.h"

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
// order.
const BuiltIn kLeaves[] = {
    {"text", &Make<CBkStatic>},
    {"vtext", &Make<CBkVStatic>},
    {"button", &Make<CBkButton>},
    {"img", &Make<CBkImageWnd>},
    {"progress", &Make<CBkProgress>},
    {"paintprogress", &Make<CBkPaintProgress>},
    {"imgbtn", &Make<CBkImageBtnWnd>},
    {"realwnd", &Make<CBkRealWnd>},
    {"hr", &Make<CBkLine>},
    {"check", &Make<CBkCheckBox>},
    {"icon", &Make<CBkIconWnd>},
    {"tabctrl", &Make<CBkTabCtrl>},
    {"radio", &Make<CBkRadioBox>},
    {"richtext", &Make<CBkRichText>},
    {"link", &Make<CBkLink>},
    {"memimage", &Make<CBkMemoryImage>},
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
            return b.create();
    }
    return nullptr;
}
