# Eased motion and scroll bar behaviour (window-free),
# and the scroll bar element under Wine.
set(_scroll_tests ${CMAKE_CURRENT_LIST_DIR}/scroll)
tarvo_add_test(toolkit_scroll_pure_tests
    ${_scroll_tests}/ScrollAnimTest.cpp
    ${_scroll_tests}/ScrollbarModelTest.cpp
    LIBS toolkit_pure platform)
if(WIN32)
    tarvo_add_test(toolkit_scroll_tests
        ${_scroll_tests}/BkScrollbarTest.cpp
        LIBS toolkit toolkit_pure platform app_resources)
    # The repeat timer reads where the display's one pointer is.
    set_tests_properties(toolkit_scroll_tests PROPERTIES RESOURCE_LOCK pointer)
endif()
