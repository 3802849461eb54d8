# Native build: portable code and its unit tests; it also cross-builds the
# product and the test driver and registers every tier with CTest.
include(ExternalProject)
enable_testing()

add_compile_options(-Wall -Wextra)
add_library(qvcore STATIC ${QV_PORTABLE} src/base/Files_posix.cpp)
target_include_directories(qvcore PUBLIC src)

# No Windows header may slip into the portable files.
set(QV_PORTABLE_FILES ${QV_PORTABLE})
foreach(f ${QV_PORTABLE})
  string(REGEX REPLACE "\\.cpp$" ".h" h ${f})
  if(EXISTS ${h})
    list(APPEND QV_PORTABLE_FILES ${h})
  endif()
endforeach()
string(REPLACE ";" "|" QV_PORTABLE_FILES "${QV_PORTABLE_FILES}")
add_custom_target(portable_check ALL
  COMMAND ${CMAKE_COMMAND} -DFILES=${QV_PORTABLE_FILES} -P ${CMAKE_SOURCE_DIR}/cmake/portable_check.cmake
  VERBATIM
  COMMENT "Checking that portable files include no Windows header")
add_dependencies(qvcore portable_check)

# The folders of src/ are layers: nothing includes a layer above its own.
add_custom_target(layer_check ALL
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/layer_check.cmake
  VERBATIM
  COMMENT "Checking that no source includes a layer above its own")
add_dependencies(qvcore layer_check)

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
file(GLOB QV_UNIT_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${QV_UNIT_SOURCES})
target_link_libraries(unit_tests PRIVATE qvcore gtest_main)
gtest_discover_tests(unit_tests TEST_PREFIX "unit." DISCOVERY_TIMEOUT 30)

# The skin checker for skin authors, on the program's own readers; its unit
# test checks the built-in skins in the source tree.
add_executable(skincheck tools/skincheck.cpp tools/SkinCheck.cpp)
target_link_libraries(skincheck PRIVATE qvcore)
target_sources(unit_tests PRIVATE tools/SkinCheck.cpp)
target_include_directories(unit_tests PRIVATE tools)
target_compile_definitions(unit_tests PRIVATE QV_SKINS_DIR="${CMAKE_SOURCE_DIR}/skins")

# The drawing tools make res/'s pictures, its panel buttons' resource lines
# and the shipped skins from the program's button table; the art check
# fails when what is in the tree is not what they make of it now.
foreach(tool drawart drawskins)
  add_executable(${tool} tools/${tool}.cpp)
  target_link_libraries(${tool} PRIVATE qvcore)
endforeach()
add_test(NAME art.current COMMAND ${CMAKE_SOURCE_DIR}/tests/art-current.sh
         ${CMAKE_BINARY_DIR}/art $<TARGET_FILE:drawart> $<TARGET_FILE:drawskins>)

# The two cross builds.
foreach(t product driver)
  if(t STREQUAL "product")
    set(tc ${CMAKE_SOURCE_DIR}/cmake/mingw-win32.cmake)
  else()
    set(tc ${CMAKE_SOURCE_DIR}/cmake/mingw-posix.cmake)
  endif()
  ExternalProject_Add(win32_${t}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/win32-${t}
    CMAKE_ARGS -DQV_TARGET=${t} -DCMAKE_TOOLCHAIN_FILE=${tc} -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
endforeach()

set(QV_PRODUCT ${CMAKE_BINARY_DIR}/win32-product/Quorvel)
set(QV_DRIVER ${CMAKE_BINARY_DIR}/win32-driver/QuorvelE2E.exe)

add_test(NAME exe.imports_and_header
  COMMAND ${CMAKE_SOURCE_DIR}/tests/check-exe.sh ${QV_PRODUCT}/Quorvel.exe)
# The packages built twice from fresh copies of the tree at other paths: the
# same bytes each time (about a minute and a half: the product only).
# Entries that keep a core busy for a minute (compiling, packaging, hundreds
# of starts or skin changes) run at the lowest priority: beside them an entry
# that clicks and waits for the program's answer must not wait for the CPU.
set(QV_BUSY nice -n 19)
add_test(NAME package.reproducible
  COMMAND ${QV_BUSY} ${CMAKE_SOURCE_DIR}/tests/reproducible.sh ${CMAKE_BINARY_DIR}/reproducible)
set_tests_properties(package.reproducible PROPERTIES TIMEOUT 900)

# End-to-end scenarios: each runs the driver under Wine in a fresh Wine
# session, on a test taskbar of our own (Windows XP and Windows 98 modes) or
# on Wine's own taskbar. Each entry has a Wine prefix (a copy) and an X
# display of its own, so entries run side by side.
set(QV_E2E_RUN ${CMAKE_SOURCE_DIR}/tests/e2e/run.sh ${CMAKE_BINARY_DIR}/e2e ${QV_PRODUCT} ${QV_DRIVER})
# Every scenario with Wine reporting Windows XP, the planted system libraries
# among them.
add_test(NAME e2e.testtray.winxp COMMAND ${QV_E2E_RUN} winxp plain
         "TestTray.*:Embedded.*:NoTaskbar.*:Skins.*:Panel.*:Actions.*:Timer.*:Dialogs.*:Faults.*:Stacking.*:Libraries.*:Favourites.*:Toolkit.*:Follow/*/xp:DisplayChange.*:Accessibility.*")
# With Wine reporting Windows 98, the scenarios that go where the 95 family
# goes its own way: every form an ANSI window (the start button, the panel,
# the timer and each dialog, typed into and closed from the keyboard), the
# Cyrillic texts in the ANSI code page and measured so, every save by two
# renames, the skin file dialog in ANSI, the common controls from the system
# folder. The rest (drawing, stacking, drags, menus, the window walk) takes
# the same path in both families and runs under Windows XP only.
set(QV_FAMILY95
  TestTray.* NoTaskbar.* Embedded.* Libraries.* Accessibility.*
  Faults.TaskbarRestart* Faults.Logoff* Faults.ReadOnly* Faults.Crash* Faults.Restore*
  Skins.EachBuiltInSkin* Skins.MissingDescription* Skins.MissingOrDamaged*
  Panel.Monitor* Panel.Exit* Timer.TheDialog*
  Dialogs.FirstStart* Dialogs.AddFolders* Dialogs.DeleteTheMiddle* Dialogs.Chooser* Dialogs.CdChooser*
  Dialogs.AboutOpens* Dialogs.EveryDialog* Dialogs.SkinFile*
  Favourites.AListEdited* Favourites.ExitWhile*)
string(REPLACE ";" ":" QV_FAMILY95 "${QV_FAMILY95}")
add_test(NAME e2e.testtray.win98 COMMAND ${QV_E2E_RUN} win98 plain "${QV_FAMILY95}")
# Taskbars shaped like those of Windows 7 and 8.0 with Wine reporting Windows
# 7, and like 10 and 11 with Wine reporting Windows 10: the program asks only
# whether the system is Vista or later, which both answer alike. On each, the
# button following the taskbar to every edge, out of sight and back, and out
# of a full-screen program's way (with XP's shape in the XP entry above).
add_test(NAME e2e.shapes.win7 COMMAND ${QV_E2E_RUN} win7 plain "Shapes/*win7_*:Shapes/*win8_*:Follow/*/win7")
add_test(NAME e2e.shapes.win10 COMMAND ${QV_E2E_RUN} win10 plain "Shapes/*win10_*:Shapes/*win11_*:Follow/*/win10:Follow/*/win11")
# Two monitors side by side (Xorg's dummy driver, which only root may start),
# a taskbar of the 10 shape on each: a button on each, acting on its own
# monitor, the second one coming and going with its taskbar.
add_test(NAME e2e.monitors.win10 COMMAND ${QV_E2E_RUN} win10 monitors "Monitors.*")
set_tests_properties(e2e.monitors.win10 PROPERTIES SKIP_RETURN_CODE 77)
# 120 and 144 dots per inch in the 7, 10 and 11 shapes: the button whole on
# the taskbar and its zones where they are drawn.
foreach(dpi 120 144)
  add_test(NAME e2e.shapes.win7.dpi${dpi} COMMAND ${QV_E2E_RUN} win7 plain "Scaled/*win7")
  add_test(NAME e2e.shapes.win10.dpi${dpi} COMMAND ${QV_E2E_RUN} win10 plain "Scaled/*win10:Scaled/*win11")
  set_tests_properties(e2e.shapes.win7.dpi${dpi} e2e.shapes.win10.dpi${dpi} PROPERTIES ENVIRONMENT QV_DPI=${dpi})
endforeach()
# Killed while saving, two hundred times in each family.
foreach(mode winxp win98)
  add_test(NAME e2e.durability.${mode} COMMAND ${QV_BUSY} ${QV_E2E_RUN} ${mode} plain "Durability.*")
endforeach()
# A full drive and a read-only one: small file systems mounted for the run.
add_test(NAME e2e.drives COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/drives.sh
         ${CMAKE_BINARY_DIR}/e2e ${QV_PRODUCT} ${QV_DRIVER} winxp "Drives.*")
set_tests_properties(e2e.drives PROPERTIES SKIP_RETURN_CODE 77)
# A user who cannot write the program's folder: Wine run as a second Linux
# user, which only root can make.
add_test(NAME e2e.limiteduser COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/limited.sh
         ${CMAKE_BINARY_DIR}/e2e ${QV_PRODUCT} ${QV_DRIVER} winxp "LimitedUser.*")
set_tests_properties(e2e.limiteduser PROPERTIES SKIP_RETURN_CODE 77)
# The installer and the uninstaller around the program started from Program
# Files and a copy running elsewhere.
foreach(mode winxp win98)
  add_test(NAME e2e.installer.${mode} COMMAND ${QV_BUSY} ${CMAKE_SOURCE_DIR}/tests/e2e/install.sh
           ${CMAKE_BINARY_DIR}/e2e ${QV_PRODUCT} ${QV_DRIVER} ${mode} "Installer.*")
endforeach()
# The Windows skin checker on good and broken skins, against the Linux one.
add_test(NAME e2e.skincheck COMMAND ${CMAKE_SOURCE_DIR}/tests/skincheck-wine.sh
         ${CMAKE_BINARY_DIR}/e2e $<TARGET_FILE:skincheck> ${QV_PRODUCT}/skincheck.exe)
# Days of use compressed: a thousand skin changes, a thousand chooser applies.
add_test(NAME e2e.soak COMMAND ${QV_BUSY} ${QV_E2E_RUN} winxp plain "Soak.*")
add_test(NAME e2e.wineshell COMMAND ${QV_E2E_RUN} winxp shell "WineShell.*:ShellStacking.*")
# The dialogs with Cyrillic texts (the first-run dialog, the chooser's labels,
# About, the skin file dialog's types) on an English system: shown through the
# wide functions. The other dialogs hold no text outside the ANSI code page.
add_test(NAME e2e.dialogs.english COMMAND ${QV_E2E_RUN} winxp plain
         "Dialogs.FirstStart*:Dialogs.Chooser*:Dialogs.AboutOpens*:Dialogs.EveryDialog*:Dialogs.SkinFile*")
set_tests_properties(e2e.dialogs.english PROPERTIES ENVIRONMENT QV_LOCALE=C.UTF-8)
# Large Fonts (120 dots per inch) and 144: every dialog's texts still show whole.
foreach(dpi 120 144)
  add_test(NAME e2e.dialogs.dpi${dpi} COMMAND ${QV_E2E_RUN} winxp plain "Dialogs.EveryDialogShowsEveryTextWhole")
  set_tests_properties(e2e.dialogs.dpi${dpi} PROPERTIES ENVIRONMENT QV_DPI=${dpi})
endforeach()
# A shutdown ends the Wine session: checked from outside, once per family.
foreach(mode winxp win98)
  add_test(NAME e2e.shutdown.${mode} COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/shutdown.sh
           ${CMAKE_BINARY_DIR}/e2e ${QV_PRODUCT} ${QV_DRIVER} ${mode} "Shutdown.*")
endforeach()
# Every scenario of the driver is in some entry's filter above.
add_test(NAME e2e.suites COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/suites.sh ${CMAKE_BINARY_DIR} ${QV_DRIVER})
get_property(e2e_tests DIRECTORY PROPERTY TESTS)
foreach(t ${e2e_tests})
  if(t MATCHES "^e2e\\.")
    # A display of the caller's would be shared, and the real input of one
    # entry would reach another's windows.
    set_property(TEST ${t} APPEND PROPERTY ENVIRONMENT_MODIFICATION DISPLAY=unset:)
    set_tests_properties(${t} PROPERTIES TIMEOUT 900)
  endif()
endforeach()
# Both installer entries build the packages into the one build tree.
set_tests_properties(e2e.installer.winxp e2e.installer.win98 PROPERTIES RESOURCE_LOCK packages)
include(cmake/fuzz.cmake)
