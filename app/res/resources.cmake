# The program's resources, compiled by windres into the object library
# app_resources. It is an OBJECT library on purpose: nothing references a
# resource symbol, so a static library's member would be dropped at link
# time. Executables take it with target_link_libraries(exe PRIVATE app_resources).
set(TARVO_RES_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE INTERNAL "Program resources")

if(WIN32)
    enable_language(RC)
    file(GLOB _tarvo_res_files CONFIGURE_DEPENDS
        ${TARVO_RES_DIR}/*.xml ${TARVO_RES_DIR}/images/*.png ${TARVO_RES_DIR}/images/*.bmp ${TARVO_RES_DIR}/images/*.ico)
    add_library(app_resources OBJECT ${TARVO_RES_DIR}/resources.rc)
    # windres looks for the files named in the script in its include folders.
    target_include_directories(app_resources PRIVATE ${TARVO_RES_DIR} ${TARVO_GENERATED_DIR})
    # The script's inputs are not scanned by CMake.
    set_source_files_properties(${TARVO_RES_DIR}/resources.rc PROPERTIES
        OBJECT_DEPENDS "${_tarvo_res_files};${TARVO_GENERATED_DIR}/TarvoVersionInfo.rc")
endif()
