#include "toolkit/skins/SkinFactory.h"

#include <cstring>

#include "toolkit/skins/BkImageSkin.h"
#include "toolkit/skins/BkPngSkin.h"
#include "toolkit/skins/BkSkinButton.h"
#include "toolkit/skins/BkSkinGradation.h"
#include "toolkit/skins/BkSkinImgFrame.h"
#include "toolkit/skins/BkSkinImgHorzExtend.h"
#include "toolkit/skins/BkSkinPngVertExtend.h"

namespace {

template <typename T>
std::unique_ptr<CBkSkinBase> Make()
{
    return std::make_unique<T>();
}

}  // namespace

std::unique_ptr<CBkSkinBase> CreateSkin(const char* tag)
{
    using Maker = std::unique_ptr<CBkSkinBase> (*)();
    static const struct {
        const char* tag;
        Maker make;
    } kKinds[] = {
        {"imglst", Make<CBkImageSkin>},
        {"imgframe", Make<CBkSkinImgFrame>},
        {"button", Make<CBkSkinButton>},
        {"imghorzex", Make<CBkSkinImgHorzExtend>},
        {"gradation", Make<CBkSkinGradation>},
        {"png", Make<CBkPngSkin>},
        {"pngvertex", Make<CBkSkinPngVertExtend>},
    };
    if (!tag)
        return nullptr;
    for (const auto& k : kKinds) {
        if (std::strcmp(tag, k.tag) == 0)
            return k.make();
    }
    return nullptr;
}
