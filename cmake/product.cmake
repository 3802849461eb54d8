# Quorvel.exe: static, GUI subsystem 4.0, only system DLLs.
set(QV_OUT ${CMAKE_BINARY_DIR}/Quorvel)
# Every function and datum in a section of its own, so that the linker drops
# what nothing uses; an exe is always loaded at its own base and needs no
# relocations. No link time in the header (nor the checksum that follows from
# it): the same sources give the same bytes.
set(QV_EXE_COMPILE -Wall -Wextra -Os -ffunction-sections -fdata-sections)
set(QV_EXE_LINK -static -s -Wl,--gc-sections -Wl,--disable-reloc-section -Wl,--no-insert-timestamp
  -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
# The portable code, compiled once for Quorvel.exe and the skin checker.
add_library(qvportable OBJECT ${QV_PORTABLE})
target_compile_definitions(qvportable PRIVATE ${QV_WIN_DEFS})
target_compile_options(qvportable PRIVATE ${QV_EXE_COMPILE})

add_executable(Quorvel WIN32 $<TARGET_OBJECTS:qvportable> ${QV_PLATFORM} ${QV_TOOLKIT} ${QV_WIN32} res/Quorvel.rc)
target_compile_definitions(Quorvel PRIVATE ${QV_WIN_DEFS})
target_compile_options(Quorvel PRIVATE ${QV_EXE_COMPILE})
# It starts at the entry point that loads the run time's library.
target_link_options(Quorvel PRIVATE ${QV_EXE_LINK} -mwindows -Wl,--subsystem,windows:4.0 -Wl,--entry,_QuorvelStart)
set_target_properties(Quorvel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QV_OUT})
# The compiled resources follow the pictures and cursors they hold.
file(GLOB QV_RES_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.bmp ${CMAKE_SOURCE_DIR}/res/*.ico
     ${CMAKE_SOURCE_DIR}/res/*.manifest ${CMAKE_SOURCE_DIR}/res/resource.h
     ${CMAKE_SOURCE_DIR}/res/PanelButtons.rc ${CMAKE_SOURCE_DIR}/res/*.cur)
set_source_files_properties(res/Quorvel.rc PROPERTIES OBJECT_DEPENDS "${QV_RES_FILES}")

# The folder a Windows user copies: Quorvel.exe beside Skins\.
add_custom_target(skins ALL
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/skins -DDST=${QV_OUT}/Skins
          -P ${CMAKE_SOURCE_DIR}/cmake/copyskins.cmake)

# The benchmarks' baseline: a window and a message loop, built as Quorvel.exe is.
add_executable(Baseline WIN32 ${CMAKE_SOURCE_DIR}/bench/Baseline.cpp)
target_compile_options(Baseline PRIVATE -Wall -Wextra -Os)
target_link_options(Baseline PRIVATE -static -s -mwindows
  -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)

# The skin checker for skin authors on Windows: the same sources as the Linux
# one, a console program that ships beside Quorvel.exe.
add_executable(skincheck $<TARGET_OBJECTS:qvportable> src/base/Files_win.cpp
  tools/skincheck.cpp tools/SkinCheck.cpp)
target_include_directories(skincheck PRIVATE src)
target_compile_definitions(skincheck PRIVATE ${QV_WIN_DEFS})
target_compile_options(skincheck PRIVATE ${QV_EXE_COMPILE})
target_link_options(skincheck PRIVATE ${QV_EXE_LINK} -Wl,--subsystem,console:4.0)
set_target_properties(skincheck PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QV_OUT})
