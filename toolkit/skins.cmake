# Skins and image pools: target_sources(toolkit_pure ...) and, if(WIN32), target_sources(toolkit ...)
set(_skins ${CMAKE_CURRENT_LIST_DIR}/skins)
target_sources(toolkit_pure PRIVATE
    ${_skins}/SkinPiece.cpp
    ${_skins}/SkinWords.cpp
    ${_skins}/FrameGeometry.cpp
    ${_skins}/StretchGeometry.cpp
    ${_skins}/AlphaBlend.cpp
    ${_skins}/PngDecoder.cpp)
if(WIN32)
    target_sources(toolkit PRIVATE
        ${_skins}/GdiplusSession.cpp
        ${_skins}/BkBmpPool.cpp
        ${_skins}/BkPngPool.cpp
        ${_skins}/PngCanvas.cpp
        ${_skins}/BitmapBlit.cpp
        ${_skins}/Gradient.cpp
        ${_skins}/BkImage.cpp
        ${_skins}/BkImageSkin.cpp
        ${_skins}/BkSkinImgFrame.cpp
        ${_skins}/BkSkinImgHorzExtend.cpp
        ${_skins}/BkSkinPngVertExtend.cpp
        ${_skins}/BkPngSkin.cpp
        ${_skins}/BkSkinButton.cpp
        ${_skins}/BkSkinGradation.cpp
        ${_skins}/SkinFactory.cpp
        ${_skins}/SkinPool.cpp)
endif()
