// The one place where layout tags become element classes.
#pragma once

#include <memory>

class CBkWindow;

// The application's own element kinds.
class ICtrlFactory {
public:
    virtual ~ICtrlFactory() = default;
    // A new element for the tag, or nullptr when the tag is not its own.
    virtual CBkWindow* CreateCtrl(const char* tag) = 0;
};

// Holds at most one factory; registering another replaces it. The factory
// is not owned and must outlive every layout load.
class ControlsFactory {
public:
    static void Register(ICtrlFactory* factory);
    static ICtrlFactory* Registered();
};

// Built-in containers first, then the registered factory, then the built-in
// leaf kinds; tags compare case-sensitively. nullptr for an unknown tag.
std::unique_ptr<CBkWindow> CreateElement(const char* tag);
