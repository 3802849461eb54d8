# Portable logic: never includes a Windows header (checked at build time),
# built natively for the unit tests and into the product alike.
set(QV_PORTABLE
  src/toolkit/Errors.cpp
  src/toolkit/Convert.cpp
  src/toolkit/TextReader.cpp
  src/toolkit/Files.cpp
  src/toolkit/Region.cpp
  src/toolkit/BmpFile.cpp
  src/app/Settings.cpp
  src/app/Skins.cpp
  src/app/HitZone.cpp
  src/panel/PanelLayout.cpp
  src/lists/LaunchList.cpp
  src/platform/WindowRules.cpp
  src/platform/StartShape.cpp
  src/dialogs/Countdown.cpp
  src/dialogs/Chooser.cpp
  src/lists/ListEdit.cpp
  src/lists/DirTree.cpp
)
list(TRANSFORM QV_PORTABLE PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

# The Win32 side: the desktop operations, shared by the product and the test
# driver (which embeds a window of its own into a test taskbar with them).
set(QV_PLATFORM
  src/platform/Taskbar.cpp
  src/platform/Desktop.cpp
  src/platform/System.cpp
  src/toolkit/Files_win.cpp
)
list(TRANSFORM QV_PLATFORM PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

# The form toolkit: also in the test driver, which tests a form of its own
# that lives through the loss of its taskbar.
set(QV_TOOLKIT
  src/toolkit/Application.cpp
  src/toolkit/Form.cpp
  src/toolkit/Graphics.cpp
  src/toolkit/Menus.cpp
  src/toolkit/Controls.cpp
)
list(TRANSFORM QV_TOOLKIT PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

set(QV_WIN32
  src/toolkit/RunTime.cpp
  src/app/MainUnit.cpp
  src/panel/UnPanel.cpp
  src/dialogs/TimerUnit.cpp
  src/dialogs/UnitPos.cpp
  src/dialogs/UnitFirst.cpp
  src/dialogs/UnitCD.cpp
  src/dialogs/AboutUnit.cpp
  src/lists/UnitName.cpp
  src/lists/UnitApps.cpp
  src/lists/DelDirUnit.cpp
  src/app/Quorvel.cpp
)
list(TRANSFORM QV_WIN32 PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

set(QV_WIN_DEFS WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0400)
