// "memImage": the application's tag for the toolkit's memory image.
#pragma once

#include "toolkit/controls/BkMemoryImage.h"

class BkWndMemImageCtrl : public CBkMemoryImage {
public:
    const char* GetClassName() const override { return "memImage"; }
};
