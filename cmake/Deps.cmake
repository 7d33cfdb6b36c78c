# Third-party libraries. Native builds use Debian's -dev packages; the
# Windows build compiles Debian's source packages (TinyXML, zlib's minizip,
# libpng), which scripts/setup fetches into .deps/src (never committed).

set(TARVO_DEPS_SRC ${CMAKE_SOURCE_DIR}/.deps/src CACHE PATH "Fetched source packages")

if(WIN32)
    file(GLOB _tinyxml_dir LIST_DIRECTORIES true ${TARVO_DEPS_SRC}/tinyxml-*)
    file(GLOB _zlib_dir LIST_DIRECTORIES true ${TARVO_DEPS_SRC}/zlib-*)
    file(GLOB _png_dir LIST_DIRECTORIES true ${TARVO_DEPS_SRC}/libpng1.6-*)
    if(NOT _tinyxml_dir OR NOT _zlib_dir OR NOT _png_dir)
        message(FATAL_ERROR "Windows dependencies missing in ${TARVO_DEPS_SRC}: run scripts/setup")
    endif()

    add_library(tinyxml STATIC
        ${_tinyxml_dir}/tinyxml.cpp ${_tinyxml_dir}/tinyxmlparser.cpp
        ${_tinyxml_dir}/tinyxmlerror.cpp ${_tinyxml_dir}/tinystr.cpp)
    target_include_directories(tinyxml SYSTEM PUBLIC ${_tinyxml_dir})
    # Same configuration as Debian's native library.
    target_compile_definitions(tinyxml PUBLIC TIXML_USE_STL)
    target_compile_options(tinyxml PRIVATE -w)

    # The static archive, not MinGW's import library: a clean Windows has no
    # zlib1.dll (Wine has one, which hid this).
    set(ZLIB_USE_STATIC_LIBS ON)
    find_package(ZLIB REQUIRED)
    set(_minizip ${_zlib_dir}/contrib/minizip)
    add_library(minizip STATIC ${_minizip}/unzip.c ${_minizip}/ioapi.c ${_minizip}/iowin32.c)
    target_include_directories(minizip SYSTEM PUBLIC ${_minizip})
    target_link_libraries(minizip PUBLIC ZLIB::ZLIB)
    target_compile_options(minizip PRIVATE -w)

    # libpng with its stock configuration, statically, on the same zlib.
    configure_file(${_png_dir}/scripts/pnglibconf.h.prebuilt ${CMAKE_BINARY_DIR}/png-include/pnglibconf.h COPYONLY)
    set(_png_sources png.c pngerror.c pngget.c pngmem.c pngpread.c pngread.c pngrio.c pngrtran.c pngrutil.c
        pngset.c pngtrans.c pngwio.c pngwrite.c pngwtran.c pngwutil.c)
    list(TRANSFORM _png_sources PREPEND ${_png_dir}/)
    add_library(png STATIC ${_png_sources})
    target_include_directories(png SYSTEM PUBLIC ${_png_dir} ${CMAKE_BINARY_DIR}/png-include)
    target_link_libraries(png PUBLIC ZLIB::ZLIB)
    target_compile_options(png PRIVATE -w)

    add_library(dep::tinyxml ALIAS tinyxml)
    add_library(dep::minizip ALIAS minizip)
    add_library(dep::png ALIAS png)

    if(TARVO_TESTS)
        set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
        add_library(dep::gtest_main ALIAS gtest_main)
        add_library(dep::gtest ALIAS gtest)
    endif()
else()
    find_package(PkgConfig REQUIRED)
    find_package(ZLIB REQUIRED)
    pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
    find_library(TINYXML_LIBRARY tinyxml REQUIRED)
    find_path(TINYXML_INCLUDE tinyxml.h REQUIRED)
    add_library(dep_tinyxml INTERFACE)
    target_link_libraries(dep_tinyxml INTERFACE ${TINYXML_LIBRARY})
    target_include_directories(dep_tinyxml SYSTEM INTERFACE ${TINYXML_INCLUDE})
    target_compile_definitions(dep_tinyxml INTERFACE TIXML_USE_STL)
    add_library(dep::tinyxml ALIAS dep_tinyxml)
    add_library(dep::minizip ALIAS PkgConfig::MINIZIP)
    find_package(PNG REQUIRED)
    add_library(dep::png ALIAS PNG::PNG)

    if(TARVO_TESTS)
        find_package(GTest REQUIRED)
        add_library(dep::gtest_main ALIAS GTest::gtest_main)
        add_library(dep::gtest ALIAS GTest::gtest)
    endif()
endif()

find_package(nlohmann_json 3 QUIET)
if(NOT nlohmann_json_FOUND)
    # The header-only package is a native one; the cross build uses a copy of
    # its headers in the build folder (all of /usr/include would shadow MinGW's).
    file(COPY /usr/include/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/nlohmann-include)
    add_library(nlohmann_json INTERFACE)
    target_include_directories(nlohmann_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/nlohmann-include)
    add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)
endif()
