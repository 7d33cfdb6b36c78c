# Dialog host: window-free rules natively, and real host windows under Wine
# driven by messages.
set(_host_tests ${CMAKE_CURRENT_LIST_DIR}/host)
tarvo_add_test(toolkit_host_pure_tests
    ${_host_tests}/HostRulesTest.cpp
    LIBS toolkit_pure platform)
if(WIN32)
    enable_language(RC)
    set(_host_res ${CMAKE_CURRENT_LIST_DIR}/res)
    set_source_files_properties(${_host_res}/host_test.rc PROPERTIES OBJECT_DEPENDS
        "${_host_res}/host_layer.xml;${_host_res}/host_nohead.xml;${_host_res}/host_fixed.xml")
    tarvo_add_test(toolkit_host_tests
        ${_host_tests}/HostWindowTest.cpp
        ${_host_tests}/HostRoutingTest.cpp
        ${_host_res}/host_test.rc
        LIBS toolkit toolkit_pure platform comctl32)
    target_include_directories(toolkit_host_tests PRIVATE ${_host_res})
endif()
if(WIN32)
    # The gallery of every element kind in a real host window, captured as
    # gallery.png in the build folder.
    add_test(NAME toolkit_gallery COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/gallery_screenshot.sh
        ${TARVO_TESTS_DIR}/../scripts/wine-run $<TARGET_FILE:layout-view> ${_host_res}
        ${CMAKE_BINARY_DIR}/gallery)
    # It moves the display's one pointer; another test's window over the
    # gallery would take the hover.
    set_tests_properties(toolkit_gallery PROPERTIES RUN_SERIAL TRUE)
endif()
