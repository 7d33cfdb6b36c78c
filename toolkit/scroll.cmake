# Animation scheduler, eased motion and the scroll bar: the window-free parts
# in toolkit_pure, the element itself in toolkit.
set(_scroll ${CMAKE_CURRENT_LIST_DIR}/scroll)
target_sources(toolkit_pure PRIVATE
    ${_scroll}/AnimClock.cpp
    ${_scroll}/AnimElement.cpp
    ${_scroll}/AnimTrigger.cpp
    ${_scroll}/RSAnimElement.cpp
    ${_scroll}/EaseMotion.cpp
    ${_scroll}/ScrollAnim.cpp
    ${_scroll}/ScrollbarModel.cpp)
if(WIN32)
    target_sources(toolkit PRIVATE
        ${_scroll}/BkScrollbar.cpp)
endif()
