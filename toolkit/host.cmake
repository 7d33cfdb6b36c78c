# Dialog host and event routing: the window-free rules in toolkit_pure, the
# two windows (top-level dialog and view 1000) in toolkit.
target_sources(toolkit_pure PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/host/HostRules.cpp)
if(WIN32)
    target_sources(toolkit PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/host/TouchInput.cpp
        ${CMAKE_CURRENT_LIST_DIR}/host/BkViewImpl.cpp
        ${CMAKE_CURRENT_LIST_DIR}/host/BkDialogViewImpl.cpp
        ${CMAKE_CURRENT_LIST_DIR}/host/BkDialogImpl.cpp)
    target_link_libraries(toolkit PUBLIC shell32)
endif()
