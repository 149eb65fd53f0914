# GoogleTest for the WebAssembly build, compiled with the same compiler from
# Debian's sources (package googletest), since no prebuilt library fits; the
# tests then run under Node, the engine's command-line host.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()

# Node runs what Emscripten makes for it only without its own fetch (Node 18
# and later), and the tests see the machine's files as they are.
find_program(PARABEL_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PARABEL_NODE} --no-experimental-fetch)
set(PARABEL_WEB_TEST_LINK_OPTIONS -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node)
