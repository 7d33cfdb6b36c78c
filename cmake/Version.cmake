# The one version number is the project's; the version resources of the
# Windows programs and the installer take it from here.
foreach(_part MAJOR MINOR PATCH TWEAK)
    set(TARVO_VERSION_${_part} ${PROJECT_VERSION_${_part}})
    if("${TARVO_VERSION_${_part}}" STREQUAL "")
        set(TARVO_VERSION_${_part} 0)
    endif()
endforeach()
set(TARVO_VERSION ${PROJECT_VERSION})
# Four numbers, as version resources and the installer's own file version want.
set(TARVO_VERSION_QUAD "${TARVO_VERSION_MAJOR}.${TARVO_VERSION_MINOR}.${TARVO_VERSION_PATCH}.${TARVO_VERSION_TWEAK}")

# Resource scripts include "TarvoVersionInfo.rc" from here.
set(TARVO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/VersionInfo.rc.in ${TARVO_GENERATED_DIR}/TarvoVersionInfo.rc @ONLY)
