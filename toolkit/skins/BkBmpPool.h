// Bitmaps of the executable's resources by numeric id, loaded once and kept
// for the life of the process; skins share them and never delete them.
#pragma once

#include <map>

#include <windows.h>

class BkBmpPool {
public:
    static BkBmpPool& Instance();

    // The cached bitmap; a failed load is not cached, so a later request
    // tries again. nullptr when the resource is missing.
    HBITMAP GetBitmap(unsigned id);

private:
    BkBmpPool() = default;
    std::map<unsigned, HBITMAP> bitmaps_;
};
