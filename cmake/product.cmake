# Quorvel.exe: static, GUI subsystem 4.0, only system DLLs.
set(QV_OUT ${CMAKE_BINARY_DIR}/Quorvel)
add_executable(Quorvel WIN32 ${QV_PORTABLE} ${QV_PLATFORM} ${QV_TOOLKIT} ${QV_WIN32} res/Quorvel.rc)
target_compile_definitions(Quorvel PRIVATE ${QV_WIN_DEFS})
target_compile_options(Quorvel PRIVATE -Wall -Wextra -Os)
target_link_options(Quorvel PRIVATE -static -s -mwindows
  -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
target_link_libraries(Quorvel PRIVATE comctl32 winmm)
set_target_properties(Quorvel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QV_OUT})

# The folder a Windows user copies: Quorvel.exe beside Skins\.
add_custom_target(skins ALL
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/skins -DDST=${QV_OUT}/Skins
          -P ${CMAKE_SOURCE_DIR}/cmake/copyskins.cmake)
