# The native Linux game on GTK 3: the same game sources over fw/gtk, with the
# compiled resources of the host tree built into the program.
if(NOT QUINTARO_RES)
    message(FATAL_ERROR "QUINTARO_RES must name the compiled resources (build/host/quintaro.res)")
endif()
find_package(PkgConfig REQUIRED)
pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0 x11)

file(GLOB FW_GTK_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fw/gtk/*.cpp)
add_executable(quintaro ${GAME_SOURCES} ${FW_COMMON_SOURCES} ${FW_DLGMGR_SOURCES} ${FW_HOSTED_SOURCES} ${FW_GTK_SOURCES})
target_include_directories(quintaro PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(quintaro PRIVATE PkgConfig::GTK3)
set_source_files_properties(${CMAKE_SOURCE_DIR}/fw/gtk/embedded_res.cpp PROPERTIES
                            COMPILE_DEFINITIONS "QUINTARO_RES_FILE=\"${QUINTARO_RES}\""
                            OBJECT_DEPENDS ${QUINTARO_RES})
