#include "WindowRules.h"

bool WindowQualifies(const WindowFacts& w)
{
    return !w.OwnProcess && !w.ProgramManager && !w.Taskbar && w.Visible && !w.Owned &&
           w.TitleLength > 0;
}
