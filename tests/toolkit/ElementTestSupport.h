// Element fixtures for the Windows toolkit tests: a leaf kind made by a
// test factory, layout loading from text and placement.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/BkDialog.h"
#include "toolkit/ElementFactory.h"
#include "toolkit/XmlDocument.h"

namespace element_test {

// A plain leaf that remembers what its ancestors told it about visibility.
class Leaf : public CBkWindow {
public:
    explicit Leaf(const char* tag) : tag_(tag) {}
    const char* GetClassName() const override { return tag_.c_str(); }
    void OnParentShowChanged(bool shown) override { shownCalls.push_back(shown); }
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override
    {
        messages.push_back(message);
        return CBkWindow::ProcessMessage(host, message, wparam, lparam, result);
    }
    // Measures as the base does, in an available cx x cy.
    SIZE Measure(int cx, int cy, BOOL fromPlacement)
    {
        SIZE size = {cx, cy};
        LRESULT ignored = 0;
        ProcessMessage(nullptr, WM_NCCALCSIZE, fromPlacement, reinterpret_cast<LPARAM>(&size), &ignored);
        return size;
    }
    std::vector<bool> shownCalls;
    std::vector<UINT> messages;

private:
    std::string tag_;
};

// Makes "text" and "leaf" elements, as the application's factory would.
class LeafFactory : public ICtrlFactory {
public:
    CBkWindow* CreateCtrl(const char* tag) override
    {
        ++calls;
        std::string t = tag;
        if (t == "text" || t == "leaf" || t == "dlg")
            return new Leaf(tag);
        return nullptr;
    }
    int calls = 0;
};

// An element of kind T loaded from layout text, with `host` as its window;
// `loaded` tells whether the text parsed and the element took it.
template <class T>
std::unique_ptr<T> LoadElement(const std::string& xml, HWND host = nullptr, bool* loaded = nullptr)
{
    auto element = std::make_unique<T>();
    if (host)
        element->SetContainer(host);
    TiXmlDocument doc;
    bool ok = ParseXmlText(xml.c_str(), &doc) && element->Load(doc.RootElement());
    if (loaded)
        *loaded = ok;
    return element;
}

inline std::unique_ptr<CBkDialog> LoadDialog(const std::string& xml)
{
    return LoadElement<CBkDialog>(xml);
}

inline void Place(CBkWindow* element, int x, int y, int cx, int cy)
{
    PlaceElement(element, x, y, cx, cy);
}

inline void ExpectRect(const RECT& r, int left, int top, int right, int bottom, const char* what)
{
    EXPECT_EQ(left, r.left) << what;
    EXPECT_EQ(top, r.top) << what;
    EXPECT_EQ(right, r.right) << what;
    EXPECT_EQ(bottom, r.bottom) << what;
}

// Installs the leaf factory for one test and removes it afterwards.
class WithLeafFactory : public ::testing::Test {
protected:
    void SetUp() override { ControlsFactory::Register(&factory); }
    void TearDown() override { ControlsFactory::Register(nullptr); }
    LeafFactory factory;
};

}  // namespace element_test
