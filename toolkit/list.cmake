# list: the virtual list control over one row template, and its scroll-bar variant.
target_sources(toolkit_pure PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/list/ListGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list/ListSelection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list/ISUFListCtrlBase.cpp)
if(WIN32)
    target_sources(toolkit PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/list/BkListCtrl.cpp
        ${CMAKE_CURRENT_LIST_DIR}/list/BkListCtrlChildren.cpp
        ${CMAKE_CURRENT_LIST_DIR}/list/BkListCtrlSBar.cpp)
endif()
