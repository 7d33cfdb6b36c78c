// layout-view: loads a layout document into toolkit elements and paints it
// into a PNG file, so a layout can be looked at without the window host.
//   layout-view LAYOUT OUT.png [--app] [--styles F] [--strings F] [--size WxH]
//   layout-view LAYOUT --window [--seconds N] [--app] [--styles F] [--strings F]
// LAYOUT is a file or "res:N" (an "xml" resource linked into this tool);
// --app loads strings, default font and styles the way the program starts.
// A "layer" root gives header, body and footer as the host lays them out;
// any other root is loaded as one "dlg" filling the picture.
// --window opens a "layer" in a real host window instead of painting it.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "HostWindowMode.h"
#include "platform/FileBytes.h"
#include "platform/ScopedWin.h"
#include "platform/Text.h"
#include "toolkit/BkDialog.h"
#include "toolkit/BkFontPool.h"
#include "toolkit/BkString.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/StylePool.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/XmlResource.h"
#include "toolkit/skins/BitmapBlit.h"
#include "toolkit/skins/GdiplusSession.h"

namespace {

// Layout documents are small; anything larger is not one.
const size_t kMaxDocumentBytes = 16 * 1024 * 1024;

bool ReadFileText(const std::wstring& path, std::string* text)
{
    return platform::ReadFileBytes(path, text, kMaxDocumentBytes);
}

struct Layer {
    int width = 380;
    int height = 225;
    std::unique_ptr<CBkDialog> header, body, footer;
};

std::unique_ptr<CBkDialog> LoadPart(const TiXmlElement* xml, const std::string& pos)
{
    if (!xml)
        return nullptr;
    auto part = std::make_unique<CBkDialog>();
    part->Load(xml);
    part->SetAttribute("pos", pos, true);
    return part;
}

bool LoadLayer(const std::string& text, Layer* layer)
{
    TiXmlDocument doc;
    if (!ParseXmlText(text.c_str(), &doc) || !doc.RootElement())
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (std::string(root->Value()) != "layer") {
        layer->body = LoadPart(root, "0,0,-0,-0");
        return true;
    }
    if (const char* w = root->Attribute("width"))
        layer->width = ParseDecimal(w);
    if (const char* h = root->Attribute("height"))
        layer->height = ParseDecimal(h);
    const TiXmlElement* header = root->FirstChildElement("header");
    const TiXmlElement* footer = root->FirstChildElement("footer");
    int headerHeight = header ? ParseDecimal(header->Attribute("height") ? header->Attribute("height") : "") : 0;
    int footerHeight = footer ? ParseDecimal(footer->Attribute("height") ? footer->Attribute("height") : "") : 0;
    layer->header = LoadPart(header, "0,0,-0," + std::to_string(headerHeight));
    layer->footer = LoadPart(footer, "0,-" + std::to_string(footerHeight) + ",-0,-0");
    layer->body = LoadPart(root->FirstChildElement("body"), "0,0,-0,-0");
    return true;
}

// Header at the top, footer measured then put at the bottom, body between.
void LayOut(Layer* layer)
{
    int w = layer->width, h = layer->height;
    int headerBottom = 0, footerHeight = 0;
    if (layer->header) {
        PlaceElement(layer->header.get(), 0, 0, w, h);
        headerBottom = layer->header->Rect().bottom;
    }
    if (layer->footer) {
        PlaceElement(layer->footer.get(), 0, 0, w, h);
        footerHeight = layer->footer->Rect().bottom - layer->footer->Rect().top;
        PlaceElement(layer->footer.get(), 0, h - footerHeight, w, footerHeight);
    }
    if (layer->body)
        PlaceElement(layer->body.get(), 0, headerBottom, w, h - footerHeight - headerBottom);
}

bool Paint(Layer* layer, const std::wstring& out)
{
    BITMAPINFO bi = TopDownInfo(layer->width, layer->height, 32);
    void* bits = nullptr;
    ScopedGdiObj<HBITMAP> bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.Get())
        return false;
    ScopedMemDC dc(nullptr);
    {
        ScopedSelect selectBitmap(dc, bitmap.Get());
        ScopedSelect selectFont(dc, BkFontPool::Instance().GetFont(0));
        SetBkMode(dc, TRANSPARENT);
        for (CBkDialog* part : {layer->header.get(), layer->body.get(), layer->footer.get()}) {
            if (part && part->IsVisible(false))
                part->RedrawRegion(dc, nullptr);
        }
        GdiFlush();
    }
    return SaveBitmapAsPng(bitmap.Get(), out);
}

bool ReadLayout(const std::wstring& source, std::string* text)
{
    if (source.compare(0, 4, L"res:") != 0)
        return ReadFileText(source, text);
    int id = ParseDecimal(WideToUtf8(source.substr(4)));
    std::vector<char> bytes;
    if (id <= 0 || !LoadXmlResource(static_cast<unsigned>(id), &bytes))
        return false;
    text->assign(bytes.data());
    return true;
}

// The program's start-up order, from the resources linked into this tool.
void LoadAppResources()
{
    LoadStrings(102);
    BkFontPool::Instance().SetDefaultFont(L"微软雅黑", -12);
    LoadSkins(100);
    LoadStyles(101);
}

int Usage()
{
    std::fprintf(stderr, "usage: layout-view LAYOUT OUT.png [--app] [--styles F] [--strings F] [--size WxH]\n"
                         "       layout-view LAYOUT --window [--seconds N] [--app] [--styles F] [--strings F]\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return Usage();
    std::wstring layoutPath = argv[1], outPath = argv[2];
    std::wstring size;
    bool window = outPath == L"--window";
    int seconds = 0;
    for (int i = 3; i < argc; i += 2) {
        std::wstring option = argv[i];
        std::string text;
        if (option == L"--app") {
            LoadAppResources();
            --i;
            continue;
        }
        if (i + 1 >= argc)
            return Usage();
        if (option == L"--size") {
            size = argv[i + 1];
            continue;
        }
        if (option == L"--seconds") {
            seconds = ParseDecimal(WideToUtf8(argv[i + 1]));
            continue;
        }
        if (!ReadFileText(argv[i + 1], &text)) {
            std::fprintf(stderr, "cannot read %s\n", WideToUtf8(argv[i + 1]).c_str());
            return 1;
        }
        if (option == L"--styles")
            StylePool::Instance().LoadDocument(text.c_str());
        else if (option == L"--strings")
            BkString::Instance().LoadDocument(text.c_str());
        else
            return Usage();
    }

    GdiplusSession gdiplus;
    if (!gdiplus.Ok()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }
    std::string text;
    if (window) {
        if (!ReadLayout(layoutPath, &text)) {
            std::fprintf(stderr, "cannot read the layout\n");
            return 1;
        }
        return RunInHostWindow(text, seconds);
    }
    Layer layer;
    if (!ReadLayout(layoutPath, &text) || !LoadLayer(text, &layer)) {
        std::fprintf(stderr, "cannot load the layout\n");
        return 1;
    }
    if (!size.empty()) {
        std::string s = WideToUtf8(size);
        layer.width = ParseDecimal(s);
        size_t x = s.find('x');
        layer.height = x == std::string::npos ? 0 : ParseDecimal(s.substr(x + 1));
    }
    if (layer.width <= 0 || layer.height <= 0 || layer.width > 8192 || layer.height > 8192) {
        std::fprintf(stderr, "bad picture size %dx%d\n", layer.width, layer.height);
        return 1;
    }
    LayOut(&layer);
    if (!Paint(&layer, outPath)) {
        std::fprintf(stderr, "cannot write the picture\n");
        return 1;
    }
    return 0;
}
