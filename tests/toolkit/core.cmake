# The toolkit's documents and rules natively; the element tree under Wine.
tarvo_add_test(toolkit_pure_tests
    ${CMAKE_CURRENT_LIST_DIR}/XmlDocumentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValueFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PosGrammarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StylePoolTest.cpp
    LIBS toolkit_pure platform)
if(WIN32)
    tarvo_add_test(toolkit_core_tests
        ${CMAKE_CURRENT_LIST_DIR}/ElementTreeTest.cpp
        LIBS toolkit toolkit_pure platform)
endif()
