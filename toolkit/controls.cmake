# The element kinds: window-free arithmetic and parsing in toolkit_pure, one
# file pair per kind in toolkit.
set(_controls ${CMAKE_CURRENT_LIST_DIR}/controls)
target_sources(toolkit_pure PRIVATE
    ${_controls}/ProgressMath.cpp
    ${_controls}/LineStyle.cpp
    ${_controls}/CheckState.cpp
    ${_controls}/TabGeometry.cpp
    ${_controls}/RichTextModel.cpp
    ${_controls}/MemoryImageData.cpp)
if(WIN32)
    target_sources(toolkit PRIVATE
        ${_controls}/BkVStatic.cpp
        ${_controls}/BkImageWnd.cpp
        ${_controls}/BkImageBtnWnd.cpp
        ${_controls}/BkLine.cpp
        ${_controls}/BkRealWnd.cpp
        ${_controls}/ThemeLibrary.cpp
        ${_controls}/BkCheckBox.cpp
        ${_controls}/BkRadioBox.cpp
        ${_controls}/BkPaintProgress.cpp
        ${_controls}/BkProgress.cpp
        ${_controls}/BkIconWnd.cpp
        ${_controls}/BkRichText.cpp
        ${_controls}/BkTab.cpp
        ${_controls}/BkTabCtrl.cpp
        ${_controls}/BkMemoryImage.cpp)
endif()
