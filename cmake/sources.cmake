# Portable logic: never includes a Windows header (checked at build time),
# built natively for the unit tests and into the product alike.
set(QV_PORTABLE
  src/base/Errors.cpp
  src/base/Convert.cpp
  src/base/TextReader.cpp
  src/base/Files.cpp
  src/base/Region.cpp
  src/base/BmpFile.cpp
  src/model/Settings.cpp
  src/model/SkinFile.cpp
  src/model/HitZone.cpp
  src/model/PartGeometry.cpp
  src/model/PanelLayout.cpp
  src/model/Favourites.cpp
  src/model/WindowRules.cpp
  src/model/StartShape.cpp
  src/model/Countdown.cpp
  src/model/PanelButtons.cpp
  src/model/CommandLine.cpp
  src/model/HotKey.cpp
  src/model/ButtonChooser.cpp
  src/model/FolderTree.cpp
  src/model/TextFlow.cpp
  src/model/Autostart.cpp
)
list(TRANSFORM QV_PORTABLE PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

# The Win32 side: the desktop operations, shared by the product and the test
# driver (which embeds a window of its own into a test taskbar with them).
set(QV_PLATFORM
  src/platform/Taskbar.cpp
  src/platform/Desktop.cpp
  src/platform/System.cpp
  src/platform/Stacking.cpp
  src/platform/Drops.cpp
  src/platform/SettingsFolder.cpp
  src/base/Files_win.cpp
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
  src/toolkit/Layout.cpp
  src/toolkit/Accessible.cpp
)
list(TRANSFORM QV_TOOLKIT PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

set(QV_WIN32
  src/base/RunTimeReplacements.cpp
  src/ui/Program.cpp
  src/ui/StartButton.cpp
  src/ui/MonitorButton.cpp
  src/ui/Panel.cpp
  src/ui/dialogs/ShutdownTimerDialog.cpp
  src/ui/dialogs/ShutdownWarning.cpp
  src/ui/dialogs/ButtonChooserDialog.cpp
  src/ui/dialogs/FirstRunDialog.cpp
  src/ui/dialogs/CdDriveDialog.cpp
  src/ui/dialogs/AboutDialog.cpp
  src/ui/dialogs/NameDialog.cpp
  src/ui/dialogs/AddFolderDialog.cpp
  src/ui/dialogs/DeleteFavouriteDialog.cpp
  src/app/Main.cpp
  src/app/RunTimeLibrary.cpp
)
list(TRANSFORM QV_WIN32 PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

set(QV_WIN_DEFS WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0400)
