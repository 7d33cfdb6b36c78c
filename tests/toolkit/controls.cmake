# The element kinds the program uses: painting, input and loading from
# layouts under Wine.
set(_controls_tests ${CMAKE_CURRENT_LIST_DIR}/controls)
if(WIN32)
    enable_language(RC)
    set(_controls_res ${CMAKE_CURRENT_LIST_DIR}/res)
    set_source_files_properties(${_controls_res}/controls_test.rc PROPERTIES OBJECT_DEPENDS
        "${_controls_res}/controls_layout.xml")
    tarvo_add_test(toolkit_controls_tests
        ${_controls_tests}/ElementKindsLoadTest.cpp
        ${_controls_tests}/ImageElementTest.cpp
        ${_controls_tests}/LineElementTest.cpp
        ${_controls_tests}/RealWndTest.cpp
        ${_controls_res}/controls_test.rc
        LIBS toolkit toolkit_pure platform)
endif()
