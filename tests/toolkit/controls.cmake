# The element kinds the program uses: painting and input under Wine.
if(WIN32)
    set(_controls_tests ${CMAKE_CURRENT_LIST_DIR}/controls)
    tarvo_add_test(toolkit_controls_tests
        ${_controls_tests}/ImageElementTest.cpp
        ${_controls_tests}/LineElementTest.cpp
        LIBS toolkit toolkit_pure platform)
endif()
