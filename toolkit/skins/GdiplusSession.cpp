#include "toolkit/skins/GdiplusSession.h"

#include <objidl.h>
#include <gdiplus.h>

GdiplusSession::GdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession()
{
    if (ok_)
        Gdiplus::GdiplusShutdown(token_);
}
