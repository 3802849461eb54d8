// Which top-level windows "close all" and "minimise all" act on.
#pragma once

struct WindowFacts {
    bool OwnProcess;      // a window of Quorvel itself (panel, dialogs, start button)
    bool ProgramManager;  // the desktop ("Program manager")
    bool Taskbar;         // "Shell_TrayWnd"
    bool Visible;
    bool Owned;           // has an owner window
    int TitleLength;      // what GetWindowText returns into 128 bytes
};

bool WindowQualifies(const WindowFacts& w);
