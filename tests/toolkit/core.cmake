# tarvo_add_test(...) calls for resources, pools and the element tree
tarvo_add_test(toolkit_pure_tests
    ${CMAKE_CURRENT_LIST_DIR}/XmlDocumentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValueFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PosGrammarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StylePoolTest.cpp
    LIBS toolkit_pure platform)
if(WIN32)
    enable_language(RC)
    set(_core_res ${CMAKE_CURRENT_LIST_DIR}/res)
    set_source_files_properties(${_core_res}/core_test.rc PROPERTIES OBJECT_DEPENDS
        "${_core_res}/styles.xml;${_core_res}/strings.xml;${_core_res}/layout_bom.xml;${_core_res}/broken.xml;${_core_res}/wrong_root.xml;${_core_res}/empty.xml")
    tarvo_add_test(toolkit_core_tests
        ${CMAKE_CURRENT_LIST_DIR}/ResourceLoadTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ElementTreeTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ElementPaintTest.cpp
        ${_core_res}/core_test.rc
        LIBS toolkit toolkit_pure platform)
    target_include_directories(toolkit_core_tests PRIVATE ${_core_res})
endif()
