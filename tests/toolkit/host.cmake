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
        "${_host_res}/host_layer.xml;${_host_res}/host_nohead.xml")
    tarvo_add_test(toolkit_host_tests
        ${_host_tests}/HostWindowTest.cpp
        ${_host_tests}/HostRoutingTest.cpp
        ${_host_res}/host_test.rc
        LIBS toolkit toolkit_pure platform comctl32)
    target_include_directories(toolkit_host_tests PRIVATE ${_host_res})
endif()
