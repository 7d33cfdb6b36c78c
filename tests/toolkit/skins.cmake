# tarvo_add_test(...) calls for skins and image pools
tarvo_add_test(toolkit_skins_pure_tests
    ${CMAKE_CURRENT_LIST_DIR}/SkinStretchGeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinPixelMathTest.cpp
    LIBS toolkit_pure platform)
if(WIN32)
    tarvo_add_test(toolkit_icon_tests ${CMAKE_CURRENT_LIST_DIR}/IconDecodeWinTest.cpp
        LIBS toolkit toolkit_pure platform gdiplus psapi CORPUS)
    tarvo_add_test(toolkit_skins_tests ${CMAKE_CURRENT_LIST_DIR}/SkinDrawTest.cpp
        LIBS toolkit toolkit_pure platform app_resources)
endif()
