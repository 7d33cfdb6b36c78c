# tarvo_add_test(...) calls for skins and image pools
tarvo_add_test(toolkit_skins_pure_tests
    ${CMAKE_CURRENT_LIST_DIR}/SkinStretchGeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinPixelMathTest.cpp
    LIBS toolkit_pure platform)
# libpng is the reference reader our PNG reader is compared with.
if(NOT WIN32)
    find_package(PNG REQUIRED)
    tarvo_add_test(toolkit_png_tests ${CMAKE_CURRENT_LIST_DIR}/PngDecoderTest.cpp LIBS toolkit_pure PNG::PNG)
endif()
if(WIN32)
    tarvo_add_test(toolkit_skins_tests
        ${CMAKE_CURRENT_LIST_DIR}/SkinDrawTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinPoolTest.cpp
        LIBS toolkit toolkit_pure platform app_resources)
endif()
