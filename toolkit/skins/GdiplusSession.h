// Starts GDI+ for as long as the object lives, and writes bitmaps as PNG
// files through it.
#pragma once

#include <windows.h>

#include <string>

class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

// Saves the bitmap as a PNG file at path (GDI+ must be running). False when
// GDI+ has no PNG encoder or the file cannot be written.
bool SaveBitmapAsPng(HBITMAP bitmap, const std::wstring& path);
