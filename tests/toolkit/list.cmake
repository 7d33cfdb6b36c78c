# The list control: row arithmetic and the row model natively, the list
# elements under Wine.
set(_list_tests ${CMAKE_CURRENT_LIST_DIR}/list)
tarvo_add_test(toolkit_list_pure_tests
    ${_list_tests}/ListGeometryTest.cpp
    ${_list_tests}/ListCtrlBaseTest.cpp
    LIBS toolkit_pure platform)
if(WIN32)
    set(_list_res ${CMAKE_CURRENT_LIST_DIR}/res)
    set_source_files_properties(${_list_res}/list_test.rc PROPERTIES OBJECT_DEPENDS
        "${_list_res}/list_row.xml;${_list_res}/list_styles.xml")
    tarvo_add_test(toolkit_list_tests
        ${_list_tests}/BkListCtrlSBarTest.cpp
        ${_list_res}/list_test.rc
        LIBS toolkit toolkit_pure platform)
    target_include_directories(toolkit_list_tests PRIVATE ${_list_res})
endif()
