# The browser build: the same game sources over fw/web, compiled to
# WebAssembly by Emscripten (configure with emcmake), with the host tree's
# compiled resources inside. Writes the site to QUINTARO_WEB_OUT: the page,
# the program (its script and its WebAssembly, and the WebAssembly again as
# a script, for a page opened from disk, where browsers fetch nothing) and
# the face its texts are set in.
if(NOT QUINTARO_RES OR NOT QUINTARO_WEB_OUT)
    message(FATAL_ERROR "QUINTARO_RES must name the compiled resources (build/host/quintaro.res) "
                        "and QUINTARO_WEB_OUT the site's folder")
endif()

file(GLOB FW_WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fw/web/*.cpp)
add_executable(quintaro ${GAME_SOURCES} ${FW_COMMON_SOURCES} ${FW_DLGMGR_SOURCES} ${FW_HOSTED_SOURCES} ${FW_WEB_SOURCES})
target_include_directories(quintaro PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(quintaro PRIVATE -O2)
set_source_files_properties(${CMAKE_SOURCE_DIR}/fw/web/embedded_res.cpp PROPERTIES
                            COMPILE_DEFINITIONS "QUINTARO_RES_FILE=\"${QUINTARO_RES}\""
                            OBJECT_DEPENDS ${QUINTARO_RES})
set(PAGE_JS ${CMAKE_SOURCE_DIR}/fw/web/page.js)
# A sleep and a modal loop's wait hand the browser its turn and resume where
# they were (Asyncify); the program's exit ends the runtime from any depth.
target_link_options(quintaro PRIVATE
    -O2 --js-library ${PAGE_JS}
    -sASYNCIFY -sASYNCIFY_IMPORTS=['qw_wait'] -sASYNCIFY_STACK_SIZE=65536
    -sINITIAL_MEMORY=33554432 -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web
    -sEXPORTED_RUNTIME_METHODS=['addRunDependency','removeRunDependency'])
set_target_properties(quintaro PROPERTIES SUFFIX ".js" LINK_DEPENDS ${PAGE_JS}
                      RUNTIME_OUTPUT_DIRECTORY ${QUINTARO_WEB_OUT})
add_custom_command(TARGET quintaro POST_BUILD
    COMMAND ${CMAKE_SOURCE_DIR}/fw/web/site/wasm-as-script ${QUINTARO_WEB_OUT}/quintaro.wasm
            ${QUINTARO_WEB_OUT}/quintaro-wasm.js
    COMMENT "The WebAssembly as a script, for the page opened from disk")

set(FONT_DIR /usr/share/fonts/truetype/liberation)
add_custom_command(
    OUTPUT ${QUINTARO_WEB_OUT}/index.html ${QUINTARO_WEB_OUT}/fonts/LiberationSans-Regular.ttf
           ${QUINTARO_WEB_OUT}/fonts/LICENSE
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUINTARO_WEB_OUT}/fonts
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/fw/web/site/index.html ${QUINTARO_WEB_OUT}/
    COMMAND ${CMAKE_COMMAND} -E copy ${FONT_DIR}/LiberationSans-Regular.ttf ${QUINTARO_WEB_OUT}/fonts/
    COMMAND ${CMAKE_COMMAND} -E copy /usr/share/doc/fonts-liberation/copyright
            ${QUINTARO_WEB_OUT}/fonts/LICENSE
    DEPENDS ${CMAKE_SOURCE_DIR}/fw/web/site/index.html ${FONT_DIR}/LiberationSans-Regular.ttf
    COMMENT "The page and its face")
add_custom_target(site ALL DEPENDS ${QUINTARO_WEB_OUT}/index.html)
