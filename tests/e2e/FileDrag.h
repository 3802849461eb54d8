// A drag of files as Explorer starts one: pressed on a window of the driver's
// own, carried by OLE drag and drop, dropped where the pointer is released.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Drags `paths` onto the screen point `at` with real mouse input; true once
// the drag has ended there (dropped or refused by what lies beneath).
bool DragFilesTo(const std::vector<std::string>& paths, POINT at);
