# The end-to-end test driver: a Win32 GoogleTest program that runs under Wine
# beside Quorvel.exe, drives it with real input and checks it through the API.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB QV_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(QuorvelE2E ${QV_E2E_SOURCES} ${QV_PLATFORM} ${QV_PORTABLE} ${QV_TOOLKIT})
target_compile_definitions(QuorvelE2E PRIVATE ${QV_WIN_DEFS})
target_include_directories(QuorvelE2E PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(QuorvelE2E PRIVATE -Wall -Wextra)
target_link_options(QuorvelE2E PRIVATE -static)
target_link_libraries(QuorvelE2E PRIVATE gtest winmm comctl32 gdi32 advapi32 psapi ole32 oleaut32 oleacc uuid)

add_executable(TestTaskbar WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/taskbar/TestTaskbar.cpp)
target_compile_options(TestTaskbar PRIVATE -Wall -Wextra)
target_link_options(TestTaskbar PRIVATE -static)

# The benchmarks' driver (bench/run.sh runs it); it shares the harness.
add_executable(QuorvelBench ${CMAKE_SOURCE_DIR}/bench/Bench.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/Harness.cpp
  ${CMAKE_SOURCE_DIR}/tests/e2e/Session.cpp ${QV_PLATFORM} ${QV_PORTABLE} ${QV_TOOLKIT})
target_compile_definitions(QuorvelBench PRIVATE ${QV_WIN_DEFS})
target_include_directories(QuorvelBench PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(QuorvelBench PRIVATE -Wall -Wextra)
target_link_options(QuorvelBench PRIVATE -static)
target_link_libraries(QuorvelBench PRIVATE gtest winmm comctl32 gdi32 advapi32 psapi oleaut32 oleacc)

# The stand-in planted under system libraries' names beside the program.
add_library(StandIn SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/standin/StandIn.c)
set_target_properties(StandIn PROPERTIES PREFIX "")
target_link_options(StandIn PRIVATE -nostdlib -Wl,-e,_StandInMain@12 -Wl,--kill-at)
target_link_libraries(StandIn PRIVATE kernel32 user32)
