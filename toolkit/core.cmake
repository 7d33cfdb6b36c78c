# Resources, pools and the element tree: target_sources(toolkit_pure ...) and, if(WIN32), target_sources(toolkit ...)
target_sources(toolkit_pure PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BkObject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XmlDocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValueFormat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PosGrammar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Placement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringSubst.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BkString.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BkStyle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StylePool.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ElementRegistry.cpp)
if(WIN32)
    target_sources(toolkit PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/XmlResource.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ResourceLoaders.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BkFontPool.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ElementSkin.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BkWindow.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BkContainerWnd.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BkPanel.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BkDialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BkDialogFile.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ElementFactory.cpp)
endif()
