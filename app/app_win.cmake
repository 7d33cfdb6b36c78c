# The Win32 side of the application: start-up helpers, custom elements and
# the main window, then the program itself.
add_library(app_win STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CrashDump.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OsName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainProduct.cpp)
target_link_libraries(app_win PUBLIC app_pure device platform shell32 shlwapi user32 kernel32)

# The application's own element kinds and painters.
add_library(app_elements STATIC
    ${CMAKE_CURRENT_LIST_DIR}/BkWndOwnPaintCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CWHEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DyncLoadPng.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IconCache.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TarvoCtrlFactory.cpp)
target_link_libraries(app_elements PUBLIC app_pure toolkit comctl32 gdiplus)

# The main window and the program's start.
add_library(app_main STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ShowAppItemObserver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainDlgInstall.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainDlgList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhoneChoice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhoneMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReasonLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplaceOffer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartUp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupTrace.cpp)
target_link_libraries(app_main PUBLIC app_elements app_win inspect device toolkit ole32 comctl32 shell32)

add_executable(KorvelTarvo ${CMAKE_CURRENT_LIST_DIR}/Main.cpp)
target_link_libraries(KorvelTarvo PRIVATE app_main app_resources)
tarvo_window_program(KorvelTarvo)
